// A test's program as a child process, driven line by line through its standard input and output.
#pragma once

#include <sys/types.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class PeerProcess {
public:
    // Runs the program on the session port given, looking for sessions on loopback alone.
    explicit PeerProcess(int port, const std::vector<std::string>& arguments = {},
                         const std::string& program = NET_PEER_PROGRAM);
    // Closes its input, which ends it, and waits for it; kills it if it lingers.
    ~PeerProcess();
    PeerProcess(const PeerProcess&) = delete;
    PeerProcess& operator=(const PeerProcess&) = delete;

    void Tell(const std::string& line);
    // "" when no line comes within the limit.
    std::string NextLine(int limit_ms = 30000);
    std::string Ask(const std::string& line) {
        Tell(line);
        return NextLine();
    }
    std::string AskUntil(const std::string& line, const std::function<bool(const std::string&)>& done,
                         int limit_ms = 30000);
    void Kill();
    bool WaitForExit(int limit_ms);

private:
    pid_t pid_ = -1;
    int input_ = -1, output_ = -1;
    std::string pending_;
};

// A host on a free port (put in `port`), tried again while `hosted` says the port was taken meanwhile.
std::unique_ptr<PeerProcess> StartHost(int& port, const std::function<bool(PeerProcess&)>& hosted,
                                       const std::vector<std::string>& arguments = {});
int FreeUdpPort();
