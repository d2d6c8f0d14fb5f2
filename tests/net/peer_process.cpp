#include "net/peer_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "net/enet_endpoint.h"

PeerProcess::PeerProcess(int port, const std::vector<std::string>& arguments, const std::string& program) {
    signal(SIGPIPE, SIG_IGN);  // a write to a program that has ended must fail, not end the test
    setenv("MORVANE_NET_PORT", std::to_string(port).c_str(), 1);
    setenv("MORVANE_NET_DISCOVERY", "127.0.0.1", 1);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    int to_child[2], from_child[2];
    if (pipe2(to_child, O_CLOEXEC) != 0 || pipe2(from_child, O_CLOEXEC) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(to_child[0], STDIN_FILENO);
        dup2(from_child[1], STDOUT_FILENO);
        execv(program.c_str(), argv.data());
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
    std::size_t end;
    while ((end = pending_.find('\n')) == std::string::npos) {
        pollfd output{output_, POLLIN, 0};
        char bytes[4096];
        const ssize_t n = poll(&output, 1, limit_ms) > 0 ? read(output_, bytes, sizeof bytes) : 0;
        if (n <= 0) return "";
        pending_.append(bytes, static_cast<std::size_t>(n));
    }
    std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    return line;
}

std::string PeerProcess::AskUntil(const std::string& line,
                                  const std::function<bool(const std::string&)>& done, int limit_ms) {
    std::string answer = Ask(line);
    for (int waited = 0; !done(answer) && waited < limit_ms; waited += 20, answer = Ask(line))
        usleep(20000);
    return answer;
}

void PeerProcess::Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

bool PeerProcess::WaitForExit(int limit_ms) {
    for (int waited = 0; pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) != pid_; waited += 10, usleep(10000))
        if (waited > limit_ms) return false;
    pid_ = -1;
    return true;
}

int FreeUdpPort() {
    const std::unique_ptr<EnetEndpoint> probe = EnetEndpoint::Listen(0, 1);
    return probe ? probe->Port() : 0;
}

std::unique_ptr<PeerProcess> StartHost(int& port, const std::function<bool(PeerProcess&)>& hosted,
                                       const std::vector<std::string>& arguments) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        auto host = std::make_unique<PeerProcess>(port = FreeUdpPort(), arguments);
        if (hosted(*host)) return host;
    }
    return nullptr;
}
