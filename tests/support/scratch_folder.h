#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hashwell::test {

// A fresh folder for one test, removed with everything in it afterwards. Others may enter
// it, so that a permission test depends only on the file's own mode.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to the file `name` inside the folder and returns its full path.
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const;
    // The bytes of the file `name` inside the folder; empty when it cannot be read.
    std::string Read(const std::string& name) const;
    std::u16string PathOf(const std::string& name) const;
    // The path of `name` inside the folder: its bytes on POSIX, read as UTF-8 on Windows.
    std::filesystem::path Child(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// A scratch folder that everyone may write, made the user's cache folder (where rewrites in place
// keep the old content) for as long as it lives, so that tests never touch the real one.
class ScratchCache {
public:
    ScratchCache();
    ~ScratchCache();
    ScratchCache(const ScratchCache&) = delete;
    ScratchCache& operator=(const ScratchCache&) = delete;

    // The files in it at any depth: a copy or record a rewrite left.
    std::vector<std::filesystem::path> Files() const;

private:
    ScratchFolder folder_;
    std::optional<std::string> saved_;
};

// The program-wide UTF-16 form of a path.
std::u16string ToUtf16(const std::filesystem::path& path);

}  // namespace hashwell::test
