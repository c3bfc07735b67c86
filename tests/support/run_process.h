#pragma once
// Runs a program as a child process in a given directory and gathers what it wrote,
// its exit status and its peak memory.

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv::test {

struct ProcessResult {
    int exitStatus = -1;  // -1 when the child did not exit normally
    std::string out;
    std::string err;
    long maxRssKiB = 0;
};

// The child's standard input is empty.
inline ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                                const std::filesystem::path& workingDirectory = {})
{
    int outPipe[2], errPipe[2], inPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0 || ::pipe2(errPipe, O_CLOEXEC) != 0 || ::pipe2(inPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> argvStore{program};
    argvStore.insert(argvStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argvStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string dir = workingDirectory.string();

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::dup2(inPipe[0], 0);
        ::dup2(outPipe[1], 1);
        ::dup2(errPipe[1], 2);
        if (!dir.empty() && ::chdir(dir.c_str()) != 0)
            ::_exit(126);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(inPipe[0]);
    ::close(inPipe[1]);
    ::close(outPipe[1]);
    ::close(errPipe[1]);

    // Both pipes are drained together, so that a child writing much to either never blocks.
    ProcessResult result;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    result.maxRssKiB = usage.ru_maxrss;
    return result;
}

}  // namespace qv::test
