#include "net/peer_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "net/enet_endpoint.h"

namespace {

int MillisecondsLeft(std::chrono::steady_clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

std::chrono::steady_clock::time_point After(int limit_ms) {
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
}

}  // namespace

PeerProcess::PeerProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment) {
    signal(SIGPIPE, SIG_IGN);  // a write to a program that has ended must fail, not end the test
    std::vector<char*> argv{const_cast<char*>(program.c_str())}, envp;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    for (const std::string& setting : environment)
        envp.push_back(const_cast<char*>(setting.c_str()));
    for (char** setting = environ; *setting != nullptr; ++setting)
        envp.push_back(*setting);
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    int to_child[2], from_child[2];
    if (pipe2(to_child, O_CLOEXEC) != 0 || pipe2(from_child, O_CLOEXEC) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(to_child[0], STDIN_FILENO);
        dup2(from_child[1], STDOUT_FILENO);
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(to_child[0]);
    close(from_child[1]);
    input_ = to_child[1];
    output_ = from_child[0];
}

PeerProcess::~PeerProcess() {
    if (input_ >= 0) close(input_);
    if (!WaitForExit(10000)) Kill();
    if (output_ >= 0) close(output_);
}

void PeerProcess::Tell(const std::string& line) {
    const std::string bytes = line + "\n";
    if (input_ >= 0) (void)!write(input_, bytes.data(), bytes.size());
}

std::string PeerProcess::NextLine(int limit_ms) {
    const auto deadline = After(limit_ms);
    for (std::size_t end; (end = pending_.find('\n')) == std::string::npos;) {
        pollfd output{output_, POLLIN, 0};
        char bytes[4096];
        ssize_t n = 0;
        if (poll(&output, 1, MillisecondsLeft(deadline)) <= 0 ||
            (n = read(output_, bytes, sizeof bytes)) <= 0)
            return "";
        pending_.append(bytes, static_cast<std::size_t>(n));
    }
    const std::size_t end = pending_.find('\n');
    std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    return line;
}

std::string PeerProcess::AskUntil(const std::string& line,
                                  const std::function<bool(const std::string&)>& done, int limit_ms) {
    const auto deadline = After(limit_ms);
    std::string answer = Ask(line);
    while (!done(answer) && MillisecondsLeft(deadline) > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        answer = Ask(line);
    }
    return answer;
}

void PeerProcess::Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

bool PeerProcess::WaitForExit(int limit_ms) {
    for (const auto deadline = After(limit_ms); pid_ > 0;
         std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;
        if (pid_ > 0 && MillisecondsLeft(deadline) == 0) return false;
    }
    return true;
}

int FreeUdpPort() {
    const std::unique_ptr<EnetEndpoint> probe = EnetEndpoint::Listen(0, 1);
    return probe ? probe->Port() : 0;
}

std::unique_ptr<PeerProcess> LoopbackSession::Start(const std::string& program,
                                                    const std::vector<std::string>& arguments) {
    return std::make_unique<PeerProcess>(program, arguments,
                                         std::vector<std::string>{"MORVANE_NET_PORT=" + std::to_string(port_),
                                                                  "MORVANE_NET_DISCOVERY=127.0.0.1"});
}

std::unique_ptr<PeerProcess> LoopbackSession::StartHost(const std::function<bool(PeerProcess&)>& hosted,
                                                        const std::string& program,
                                                        const std::vector<std::string>& arguments) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = FreeUdpPort();
        std::unique_ptr<PeerProcess> host = Start(program, arguments);
        if (hosted(*host)) return host;
    }
    return nullptr;
}
