#include "cli/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace hashwell::test {
namespace {

constexpr std::chrono::seconds kLongestRun{60};

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& folder, const std::string& input) {
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 ||
        ::pipe2(err, O_CLOEXEC) != 0) {
        throw std::runtime_error("no pipes");
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        if (::chdir(folder.c_str()) == 0) {
            ::execvp(program.c_str(), argv.data());
        }
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    ::signal(SIGPIPE, SIG_IGN);  // a child that does not read its input
    std::size_t written = 0;
    if (input.empty()) {
        ::close(in[1]);
        in[1] = -1;
    }
    ProgramRun run;
    const auto deadline = std::chrono::steady_clock::now() + kLongestRun;
    bool outOpen = true, errOpen = true;
    while (outOpen || errOpen) {
        // poll passes over the entries of -1: the pipes already at their end.
        pollfd fds[3] = {{outOpen ? out[0] : -1, POLLIN, 0},
                         {errOpen ? err[0] : -1, POLLIN, 0},
                         {in[1], POLLOUT, 0}};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || ::poll(fds, 3, static_cast<int>(left.count())) <= 0) {
            ::kill(child, SIGKILL);
            break;
        }
        char buffer[65536];
        for (int i = 0; i < 2; ++i) {
            if (fds[i].revents != 0) {
                const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
                if (got <= 0) {
                    (i == 0 ? outOpen : errOpen) = false;
                } else {
                    (i == 0 ? run.out : run.err).append(buffer, static_cast<std::size_t>(got));
                }
            }
        }
        if (in[1] >= 0 && fds[2].revents != 0) {
            const ssize_t put = ::write(in[1], input.data() + written, input.size() - written);
            written += put > 0 ? static_cast<std::size_t>(put) : input.size();
            if (written >= input.size()) {
                ::close(in[1]);
                in[1] = -1;
            }
        }
    }
    for (const int fd : {in[1], out[0], err[0]}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

ProgramRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                  const std::string& input) {
    return RunProgram(HASHWELL_CLI_PROGRAM, arguments, folder, input);
}

ProgramRun RunCoreutils(const std::string& tool, const std::vector<std::string>& arguments,
                        const std::filesystem::path& folder, const std::string& input) {
    ProgramRun run = RunProgram(tool, arguments, folder, input);
    ReplaceAll(run.err, tool + ": ", "hashwell-cli: ");
    ReplaceAll(run.err, "'" + tool + " --help'", "'hashwell-cli --help'");
    return run;
}

}  // namespace hashwell::test
