#include "support/scratch_folder.h"

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>

#include "platform/unicode.h"

namespace hashwell::test {

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "hashwell-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a scratch folder");
    }
    path_ = pattern;
    std::filesystem::permissions(
        path_, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                   std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                   std::filesystem::perms::others_exec);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    // Make every entry removable again, whatever a test did to its mode.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
        if (!entry.is_symlink()) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
    }
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ScratchFolder::Write(const std::string& name, std::string_view bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
    return file;
}

std::string ScratchFolder::Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::u16string ScratchFolder::PathOf(const std::string& name) const {
    return ToUtf16(path_ / name);
}

std::u16string ToUtf16(const std::filesystem::path& path) {
    return platform::Utf8ToUtf16(path.string());
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

bool RunWithoutPrivileges(const std::function<bool()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    return RunInChildProcess([&] {
        constexpr uid_t kNobody = 65534;
        return ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && check();
    });
}

}  // namespace hashwell::test
