#include "platform/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

extern char** environ;

namespace {

// The argument vector posix_spawn wants, pointing into the strings given.
std::vector<char*> ArgumentPointers(const std::vector<std::string>& arguments) {
    std::vector<char*> pointers;
    for (const std::string& argument : arguments)
        pointers.push_back(const_cast<char*>(argument.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

int WaitForExitCode(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return 0;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return 0;
}

// Spawns the program; the file actions, when given, set up its descriptors.
bool Spawn(const std::vector<std::string>& arguments, const posix_spawn_file_actions_t* actions,
           pid_t& child) {
    std::vector<char*> argv = ArgumentPointers(arguments);
    return posix_spawn(&child, argv[0], actions, nullptr, argv.data(), environ) == 0;
}

class Pipe {
public:
    Pipe() {
        if (pipe2(ends_, O_CLOEXEC) != 0) ends_[0] = ends_[1] = -1;
    }
    ~Pipe() {
        CloseReadEnd();
        CloseWriteEnd();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool IsOpen() const { return ends_[0] >= 0; }
    int ReadEnd() const { return ends_[0]; }
    int WriteEnd() const { return ends_[1]; }
    void CloseReadEnd() { CloseEnd(0); }
    void CloseWriteEnd() { CloseEnd(1); }

private:
    void CloseEnd(int k) {
        if (ends_[k] >= 0) close(ends_[k]);
        ends_[k] = -1;
    }
    int ends_[2];
};

std::string ReadAll(int fd) {
    std::string text;
    char block[4096];
    for (;;) {
        const ssize_t n = read(fd, block, sizeof block);
        if (n > 0) {
            text.append(block, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            return text;
        }
    }
}

}  // namespace

bool StartShellCommand(const char* command, bool wait, int& exit_code) {
    exit_code = 0;
    // A command not waited for is started by a shell that leaves it running
    // and ends at once, so no finished child is ever left unreaped.
    const std::vector<std::string> arguments =
        wait ? std::vector<std::string>{"/bin/sh", "-c", command}
             : std::vector<std::string>{"/bin/sh", "-c", "/bin/sh -c \"$1\" &", "sh", command};
    pid_t child = 0;
    if (!Spawn(arguments, nullptr, child)) return false;
    const int code = WaitForExitCode(child);
    if (wait) exit_code = code;
    return true;
}

std::string FindProgramOnPath(const char* name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr || name == nullptr || name[0] == '\0') return {};
    std::string_view folders(path);
    while (!folders.empty()) {
        const std::size_t end = folders.find(':');
        const std::string_view folder = folders.substr(0, end);
        folders = end == std::string_view::npos ? std::string_view() : folders.substr(end + 1);
        // An empty entry names the current folder.
        std::string candidate(folder.empty() ? std::string_view(".") : folder);
        candidate.append("/").append(name);
        struct stat info;
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

bool RunProgramForOutput(const std::vector<std::string>& arguments, std::string& output, int& exit_code) {
    output.clear();
    exit_code = 0;
    Pipe pipe;
    if (!pipe.IsOpen()) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe.WriteEnd(), STDOUT_FILENO);
    pid_t child = 0;
    const bool started = Spawn(arguments, &actions, child);
    posix_spawn_file_actions_destroy(&actions);
    if (!started) return false;
    pipe.CloseWriteEnd();  // so that reading ends when the program does
    output = ReadAll(pipe.ReadEnd());
    exit_code = WaitForExitCode(child);
    return true;
}
