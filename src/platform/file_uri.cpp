#include <optional>

#include "platform/platform.h"
#include "platform/unicode.h"

namespace hashwell::platform {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// "%xx" as the byte it stands for; a "%" not followed by two hex digits stays as it is.
std::string PercentDecoded(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            bytes.push_back(static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
            i += 2;
        } else {
            bytes.push_back(text[i]);
        }
    }
    return bytes;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
        if (c != prefix[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<Path> PathFromFileUri(std::string_view uri) {
    constexpr std::string_view kScheme = "file:";
    if (!StartsWithIgnoringCase(uri, kScheme)) {
        return std::nullopt;
    }
    uri.remove_prefix(kScheme.size());
    std::string_view host;
    if (uri.starts_with("//")) {
        uri.remove_prefix(2);
        const std::size_t slash = uri.find('/');
        host = uri.substr(0, slash);
        uri = slash == std::string_view::npos ? std::string_view() : uri.substr(slash);
    }
    if (uri.empty() || uri.front() != '/') {
        return std::nullopt;
    }
    const std::string bytes = PercentDecoded(uri);
#ifdef _WIN32
    // file:///C:/dir/name is C:\dir\name; file://server/share/name is \\server\share\name.
    Path path = Utf8ToUtf16(bytes);
    for (char16_t& c : path) {
        c = c == u'/' ? u'\\' : c;
    }
    if (!host.empty() && !StartsWithIgnoringCase(host, "localhost")) {
        return u"\\\\" + Utf8ToUtf16(PercentDecoded(host)) + path;
    }
    if (path.size() >= 3 && path[2] == u':') {
        path.erase(0, 1);
    }
    return path;
#else
    // Another machine's file is not a path here.
    if (!host.empty() && host != "localhost") {
        return std::nullopt;
    }
    return DecodeNativeBytes(bytes);
#endif
}

}  // namespace hashwell::platform
