#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "support/platform_testing.h"

namespace hashwell::test {

const char16_t* const kEndlessDevice = u"/dev/zero";

void DenyAllAccess(const std::filesystem::path& path) {
    std::filesystem::permissions(path, std::filesystem::perms::none);
}

void DenyCreatingFiles(const std::filesystem::path& folder) {
    std::filesystem::permissions(folder, std::filesystem::perms{0555});  // r-x for everyone
}

void RestoreAccess(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
}

bool RunInChildProcess(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void RunUntilStoppedAtByte(std::uint64_t limit, const std::function<void()>& act) {
    RunInChildProcess([&] {
        std::signal(SIGXFSZ, SIG_DFL);  // ends the process, as the program does not let it
        const rlimit noCore{0, 0};
        const rlimit fileSize{limit, limit};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        act();
        return true;
    });
}

bool RunWithoutPrivileges(const std::function<bool()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    return RunInChildProcess([&] {
        constexpr uid_t kNobody = 65534;
        return ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && check();
    });
}

bool ReadsEveryFile() {
    return ::geteuid() == 0;
}

bool MakeSymbolicLink(const std::filesystem::path& target, const std::filesystem::path& link,
                      bool) {
    std::error_code error;
    std::filesystem::create_symlink(target, link, error);
    return !error;
}

unsigned AnsiCodePage() {
    return 1252;
}

const char* const kCacheVariable = "XDG_CACHE_HOME";

void SetVariable(const char* name, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(name, value->c_str(), 1);
    } else {
        ::unsetenv(name);
    }
}

bool UnderWine() {
    return false;
}

std::u16string AccessDeniedReason() {
    return u"Permission denied";
}

FileThatFailsToRead::FileThatFailsToRead(const std::filesystem::path&) : path_(u"/proc/self/mem") {}

FileThatFailsToRead::~FileThatFailsToRead() = default;

}  // namespace hashwell::test
