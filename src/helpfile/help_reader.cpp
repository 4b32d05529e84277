#include "helpfile/help_reader.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string>

#include "helpfile/limits.h"
#include "platform/unicode.h"

namespace hashwell::helpfile {
namespace {

// Starts `program file` with one end of a socket as its standard input and output; the process
// and the other end, or nothing when it cannot be started.
std::optional<std::pair<pid_t, int>> StartReader(const std::string& program,
                                                 const std::string& file) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        return std::nullopt;
    }
    // The reader's end above the standard descriptors, so that both dup2 calls copy it.
    const int theirs = ::fcntl(ends[1], F_DUPFD_CLOEXEC, 3);
    ::close(ends[1]);
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawnattr_init(&attributes);
    ::posix_spawn_file_actions_adddup2(&actions, theirs, STDIN_FILENO);
    ::posix_spawn_file_actions_adddup2(&actions, theirs, STDOUT_FILENO);
    // No signal blocked, and SIGPIPE at its default, whatever this process does with them.
    sigset_t none;
    sigset_t pipe;
    sigemptyset(&none);
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setsigdefault(&attributes, &pipe);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    std::string programArgument = program;
    std::string fileArgument = file;
    char* arguments[] = {programArgument.data(), fileArgument.data(), nullptr};
    pid_t process = -1;
    const int failed = theirs < 0 ? EMFILE
                                  : ::posix_spawn(&process, program.c_str(), &actions, &attributes,
                                                  arguments, environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::posix_spawnattr_destroy(&attributes);
    if (theirs >= 0) {
        ::close(theirs);
    }
    if (failed != 0) {
        ::close(ends[0]);
        return std::nullopt;
    }
    return std::pair{process, ends[0]};
}

}  // namespace

platform::Path FindReaderProgram(const platform::Path& programPath) {
    const std::size_t last = programPath.rfind(platform::kPathSeparator);
    const platform::Path folder =
        last == platform::Path::npos ? platform::Path() : programPath.substr(0, last + 1);
    const platform::Path beside = folder + platform::Path(kReaderProgramName);
    if (platform::IsRegularFile(beside)) {
        return beside;  // the build tree
    }
    return folder + u"../libexec/hashwell/" + platform::Path(kReaderProgramName);
}

HelpReader::HelpReader(const platform::Path& program, const platform::Path& file,
                       std::chrono::milliseconds answerTime)
    : answerTime_(answerTime) {
    const auto started =
        StartReader(platform::EncodeNativeBytes(program), platform::EncodeNativeBytes(file));
    if (!started) {
        status_ = ReadStatus::Unreadable;
        return;
    }
    process_ = started->first;
    socket_ = started->second;
    const std::optional<Answer> opened =
        ReceiveAnswer(socket_, std::chrono::steady_clock::now() + answerTime_);
    if (!opened || opened->status == ReadStatus::Missing || !opened->bytes.empty()) {
        Fail(ReadStatus::Damaged);
    } else if (opened->status != ReadStatus::Found) {
        Fail(opened->status);
    } else {
        status_ = ReadStatus::Found;
    }
}

HelpReader::~HelpReader() {
    Fail(status_);
}

Answer HelpReader::Page(std::string_view name) {
    if (name.size() > kMaxNameLength) {
        return {ReadStatus::Missing, {}};  // no help file holds such a name
    }
    return Ask({RequestKind::Page, std::string(name)});
}

Answer HelpReader::Contents() {
    return Ask({RequestKind::Contents, {}});
}

Answer HelpReader::Ask(const Request& request) {
    if (status_ != ReadStatus::Found) {
        return {status_, {}};
    }
    const auto deadline = std::chrono::steady_clock::now() + answerTime_;
    std::optional<Answer> answer;
    if (SendAll(socket_, EncodeRequest(request), deadline)) {
        answer = ReceiveAnswer(socket_, deadline);
    }
    if (!answer || answer->status == ReadStatus::Unreadable) {
        Fail(ReadStatus::Damaged);
        return {status_, {}};
    }
    return std::move(*answer);
}

// Ends the reader, at once: it holds nothing worth a goodbye, and a stuck one would not hear it.
void HelpReader::Fail(ReadStatus status) {
    status_ = status;
    if (process_ > 0) {
        ::kill(process_, SIGKILL);
        while (::waitpid(process_, nullptr, 0) < 0 && errno == EINTR) {
        }
        process_ = -1;
    }
    if (socket_ >= 0) {
        ::close(socket_);
        socket_ = -1;
    }
}

}  // namespace hashwell::helpfile
