#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/platform.h"
#include "platform/posix_support.h"

namespace hashwell::platform {
namespace {

bool WriteAllTo(int fd, std::string_view bytes, std::u16string* reason) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Failed(reason, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<std::size_t> ReadStandardInput(std::uint8_t* buffer, std::size_t size,
                                             std::u16string* reason) {
    return ReadFully(STDIN_FILENO, buffer, size, reason);
}

bool WriteStandardOutput(std::string_view bytes, std::u16string* reason) {
    return WriteAllTo(STDOUT_FILENO, bytes, reason);
}

bool WriteStandardError(std::string_view bytes) {
    return WriteAllTo(STDERR_FILENO, bytes, nullptr);
}

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

bool GraphicalDisplayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

}  // namespace hashwell::platform
