// A program of a network test running as a child process, driven one command
// line at a time through its standard input and read back through its output.
#pragma once

#include <sys/types.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class PeerProcess {
public:
    // Starts the program with the extra environment settings ("NAME=value").
    PeerProcess(const std::string& program, const std::vector<std::string>& arguments,
                const std::vector<std::string>& environment);
    // Closes its input, which ends it, and waits for it; kills it if it lingers.
    ~PeerProcess();
    PeerProcess(const PeerProcess&) = delete;
    PeerProcess& operator=(const PeerProcess&) = delete;

    // Sends a line without waiting for an answer.
    void Tell(const std::string& line);
    // The next line of output; "" when none comes within the limit.
    std::string NextLine(int limit_ms = 30000);
    std::string Ask(const std::string& line) {
        Tell(line);
        return NextLine();
    }
    // Asks again and again until the answer satisfies `done` or the limit passes; the last answer.
    std::string AskUntil(const std::string& line, const std::function<bool(const std::string&)>& done,
                         int limit_ms = 30000);
    void Kill();
    // Waits for the program to end by itself; true when it did within the limit.
    bool WaitForExit(int limit_ms);

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string pending_;
};

// The programs of one test's session: all on a port of their own, and all
// looking for sessions on loopback alone.
class LoopbackSession {
public:
    std::unique_ptr<PeerProcess> Start(const std::string& program = NET_PEER_PROGRAM,
                                       const std::vector<std::string>& arguments = {});
    // Starts the hosting program on a free port, trying others while `hosted`
    // tells that the port was taken meanwhile; null when none could be hosted on.
    std::unique_ptr<PeerProcess> StartHost(const std::function<bool(PeerProcess&)>& hosted,
                                           const std::string& program = NET_PEER_PROGRAM,
                                           const std::vector<std::string>& arguments = {});
    int Port() const { return port_; }

private:
    int port_ = 0;
};

// A UDP port that nothing on this machine was bound to a moment ago.
int FreeUdpPort();
