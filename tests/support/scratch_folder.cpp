#include "support/scratch_folder.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

#include "platform/unicode.h"
#include "support/platform_testing.h"

namespace hashwell::test {

ScratchFolder::ScratchFolder() {
    // A new folder of a name not taken yet; create_directory says whether it was new.
    std::random_device random;
    do {
        path_ = std::filesystem::temp_directory_path() / ("hashwell-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
    std::filesystem::permissions(path_, std::filesystem::perms{0755});  // others may enter
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    // Make every entry removable again, whatever a test did to its rights.
    RestoreAccess(path_);
    // Advanced without exceptions: a destructor must not throw, and a folder a test locked may
    // still refuse to be entered.
    for (std::filesystem::recursive_directory_iterator entry(path_, ignored), end; entry != end;
         entry.increment(ignored)) {
        if (!entry->is_symlink()) {
            RestoreAccess(entry->path());
        }
    }
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ScratchFolder::Child(const std::string& name) const {
#ifdef _WIN32
    // Names are given in UTF-8, with "/" between folders.
    return (path_ / std::u8string(name.begin(), name.end())).make_preferred();
#else
    return path_ / name;  // the bytes as they stand
#endif
}

std::filesystem::path ScratchFolder::Write(const std::string& name, std::string_view bytes) const {
    const std::filesystem::path file = Child(name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
    return file;
}

std::string ScratchFolder::Read(const std::string& name) const {
    std::ifstream in(Child(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::u16string ScratchFolder::PathOf(const std::string& name) const {
    return ToUtf16(Child(name));
}

ScratchCache::ScratchCache() {
    if (const char* value = std::getenv(kCacheVariable)) {
        saved_ = value;
    }
    std::filesystem::permissions(folder_.path(), std::filesystem::perms::all);
    const std::u8string folder = folder_.path().u8string();
    SetVariable(kCacheVariable, std::string(folder.begin(), folder.end()));
}

ScratchCache::~ScratchCache() {
    SetVariable(kCacheVariable, saved_);
}

std::vector<std::filesystem::path> ScratchCache::Files() const {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_.path())) {
        if (!entry.is_directory()) {
            files.push_back(entry.path());
        }
    }
    return files;
}

std::u16string ToUtf16(const std::filesystem::path& path) {
#ifdef _WIN32
    return path.u16string();
#else
    return platform::Utf8ToUtf16(path.string());
#endif
}

}  // namespace hashwell::test
