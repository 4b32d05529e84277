#include "platform/save_copies.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "platform/unicode.h"

namespace hashwell::platform {
namespace {

constexpr std::u16string_view kRecordEnding = u".target";
// Enough of the file's name to recognise it, well within any system's limit for a name.
constexpr std::size_t kNameKept = 100;
// A path of Windows' longest, in UTF-16, with its ending.
constexpr std::size_t kMaxRecordSize = 2 * 32768;

bool IsUniquePart(std::u16string_view name) {
    return name.size() >= kUniqueLength &&
           std::all_of(name.begin(), name.begin() + kUniqueLength, [](char16_t c) {
               return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') ||
                      (c >= u'a' && c <= u'z');
           });
}

bool IsRecordName(std::u16string_view name) {
    return name.size() == kUniqueLength + kRecordEnding.size() && IsUniquePart(name) &&
           name.ends_with(kRecordEnding);
}

bool IsCopyName(std::u16string_view name) {
    return name.size() > kUniqueLength + 1 && IsUniquePart(name) && name[kUniqueLength] == u'-';
}

// FNV-1a, 64 bits: enough to tell a complete new content from a part of it.
constexpr std::uint64_t kDigestStart = 0xCBF29CE484222325u;
std::uint64_t Digest(std::string_view bytes, std::uint64_t digest = kDigestStart) {
    for (const char byte : bytes) {
        digest = (digest ^ static_cast<unsigned char>(byte)) * 0x100000001B3u;
    }
    return digest;
}

std::string LittleEndian(std::uint64_t value) {
    std::string bytes;
    for (int i = 0; i < 8; ++i, value >>= 8) {
        bytes += static_cast<char>(value & 0xFF);
    }
    return bytes;
}

std::uint64_t FromLittleEndian(std::string_view bytes) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    }
    return value;
}

struct Record {
    Path file;
    std::uint64_t newSize = 0;
    std::uint64_t newDigest = 0;
};

// What a record holds; nothing for a record cut short or not of this kind.
std::optional<Record> ParseRecord(std::string_view bytes) {
    if (bytes.size() < 20 || bytes.size() % 2 != 0 ||
        !bytes.ends_with(std::string_view("\0\0", 2))) {
        return std::nullopt;
    }
    Record record{{}, FromLittleEndian(bytes.substr(0, 8)), FromLittleEndian(bytes.substr(8, 8))};
    for (std::size_t i = 16; i + 2 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit == 0) {
            return std::nullopt;
        }
        record.file += unit;
    }
    return record;
}

// Reads the file to its end, handing each piece to `take`; false when it cannot be read.
template <typename Take>
bool ReadPieces(ReadOnlyFile& file, std::vector<char>& buffer, Take take) {
    for (;;) {
        const std::optional<std::size_t> got =
            file.Read(reinterpret_cast<std::uint8_t*>(buffer.data()), buffer.size());
        if (!got) {
            return false;
        }
        take(std::string_view(buffer.data(), *got));
        if (*got < buffer.size()) {
            return true;
        }
    }
}

// True when the file holds `size` bytes of that digest: the new content, whole.
bool HoldsContent(const Path& path, std::uint64_t size, std::uint64_t digest) {
    std::optional<ReadOnlyFile> file = ReadOnlyFile::OpenRegular(path);
    if (!file || RegularFileSize(path) != size) {
        return false;
    }
    std::vector<char> buffer(64 * 1024);
    std::uint64_t read = kDigestStart;
    return ReadPieces(*file, buffer, [&](std::string_view piece) { read = Digest(piece, read); }) &&
           read == digest;
}

// True when both files can be read and hold the same bytes.
bool SameContent(const Path& first, const Path& second) {
    const std::optional<std::uint64_t> size = RegularFileSize(first);
    std::optional<ReadOnlyFile> a = ReadOnlyFile::OpenRegular(first);
    std::optional<ReadOnlyFile> b = ReadOnlyFile::OpenRegular(second);
    if (!size || size != RegularFileSize(second) || !a || !b) {
        return false;
    }
    std::vector<char> bufferA(64 * 1024);
    std::vector<char> bufferB(bufferA.size());
    bool same = true;
    return ReadPieces(*a, bufferA,
                      [&](std::string_view piece) {
                          const std::optional<std::size_t> got = b->Read(
                              reinterpret_cast<std::uint8_t*>(bufferB.data()), piece.size());
                          same = same && got == piece.size() &&
                                 piece == std::string_view(bufferB.data(), *got);
                      }) &&
           same;
}

}  // namespace

std::string UniqueLetters() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::atomic<std::uint64_t> calls{0};
    // Taken names are tried again: the clock and a count do where no random source answers.
    std::uint64_t seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        calls.fetch_add(0x9E3779B97F4A7C15u);
    try {
        std::random_device random;
        seed ^= static_cast<std::uint64_t>(random()) << 32 | random();
    } catch (const std::exception&) {
    }
    std::string letters;
    for (std::size_t i = 0; i < kUniqueLength; ++i, seed /= sizeof kLetters - 1) {
        letters += kLetters[seed % (sizeof kLetters - 1)];
    }
    return letters;
}

std::optional<Path> SaveCopyFolder(bool create) {
#ifdef _WIN32
    const std::optional<std::u16string> base = EnvironmentVariable(u"LOCALAPPDATA");
    const std::u16string_view levels[] = {u"Tarnvale", u"Hashwell", u"Cache"};
#else
    std::optional<std::u16string> base = EnvironmentVariable(u"XDG_CACHE_HOME");
    if (!base || !base->starts_with(u'/')) {  // a relative one counts as unset
        const std::optional<std::u16string> home = EnvironmentVariable(u"HOME");
        base = home && !home->empty() ? std::optional(*home + u"/.cache") : std::nullopt;
    }
    const std::u16string_view levels[] = {u"Tarnvale", u"Hashwell"};
#endif
    if (!base || base->empty()) {
        return std::nullopt;
    }
    Path folder = *base;
    if (create && !FolderExists(folder) && !CreateFolder(folder)) {
        return std::nullopt;
    }
    for (const std::u16string_view level : levels) {
        if (folder.back() != kPathSeparator) {
            folder += kPathSeparator;
        }
        folder += level;
        if (create && !FolderExists(folder) && !CreateFolder(folder)) {
            return std::nullopt;
        }
    }
    return folder + kPathSeparator;
}

Path CopyName(std::string_view unique, const Path& file) {
#ifdef _WIN32
    const std::size_t separator = file.find_last_of(u"\\/");
#else
    const std::size_t separator = file.rfind(u'/');
#endif
    Path name = file.substr(separator == Path::npos ? 0 : separator + 1, kNameKept);
    if (!name.empty() && name.back() >= 0xD800 && name.back() <= 0xDBFF) {
        name.pop_back();  // never half a character
    }
    return AsciiToUtf16(unique) + u'-' + name;
}

Path RecordName(std::string_view unique) {
    return AsciiToUtf16(unique) + Path(kRecordEnding);
}

std::string RecordBytes(const Path& file, std::string_view newContent) {
    return LittleEndian(newContent.size()) + LittleEndian(Digest(newContent)) +
           Utf16ToLittleEndianBytes(file) + std::string(2, '\0');
}

std::vector<InterruptedRewrite> FindInterruptedRewrites() {
    std::vector<InterruptedRewrite> interrupted;
    const std::optional<Path> folder = SaveCopyFolder(false);
    const std::optional<std::vector<FolderEntry>> entries =
        folder ? ListFolder(*folder) : std::nullopt;
    if (!entries) {
        return interrupted;
    }
    std::vector<Path> recorded;
    for (const FolderEntry& entry : *entries) {
        if (!IsRecordName(entry.name) || entry.kind != PathKind::RegularFile || entry.isLink) {
            continue;
        }
        const Path record = *folder + entry.name;
        const std::optional<std::string> bytes = ReadFileBytes(record, kMaxRecordSize);
        const std::optional<Record> rewrite = bytes ? ParseRecord(*bytes) : std::nullopt;
        if (!rewrite) {
            continue;  // still being written, or by a rewrite stopped before it began
        }
        const Path copy =
            *folder + CopyName(Utf16ToUtf8(entry.name.substr(0, kUniqueLength)), rewrite->file);
        recorded.push_back(copy);
        if (!IsRegularFile(copy)) {
            RemoveFile(record);  // the user deleted the copy
        } else if (CopyInUse(copy)) {
            continue;
        } else if (SameContent(rewrite->file, copy) ||
                   HoldsContent(rewrite->file, rewrite->newSize, rewrite->newDigest)) {
            // Stopped before the file changed, restored since, or stopped once the new content
            // was whole.
            RemoveFile(record);
            RemoveFile(copy);
        } else {
            interrupted.push_back({rewrite->file, copy});
        }
    }
    // A copy without a record is of a rewrite stopped before it touched its file, or after it
    // completed.
    for (const FolderEntry& entry : *entries) {
        const Path copy = *folder + entry.name;
        if (IsCopyName(entry.name) && entry.kind == PathKind::RegularFile && !entry.isLink &&
            std::find(recorded.begin(), recorded.end(), copy) == recorded.end() &&
            !CopyInUse(copy)) {
            RemoveFile(copy);
        }
    }
    return interrupted;
}

}  // namespace hashwell::platform
