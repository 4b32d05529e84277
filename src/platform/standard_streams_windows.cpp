#include <algorithm>

#include "platform/platform.h"
#include "platform/windows_support.h"

namespace hashwell::platform {
namespace {

bool WriteAllTo(DWORD stream, std::string_view bytes, std::u16string* reason) {
    HANDLE handle = ::GetStdHandle(stream);
    while (!bytes.empty()) {
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(handle, bytes.data(), ask, &written, nullptr)) {
            return Failed(reason, ::GetLastError());
        }
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::optional<std::size_t> ReadStandardInput(std::uint8_t* buffer, std::size_t size,
                                             std::u16string* reason) {
    return ReadFully(::GetStdHandle(STD_INPUT_HANDLE), buffer, size, reason);
}

bool WriteStandardOutput(std::string_view bytes, std::u16string* reason) {
    return WriteAllTo(STD_OUTPUT_HANDLE, bytes, reason);
}

bool WriteStandardError(std::string_view bytes) {
    return WriteAllTo(STD_ERROR_HANDLE, bytes, nullptr);
}

bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

bool GraphicalDisplayAvailable() {
    return true;  // every Windows session has a desktop
}

}  // namespace hashwell::platform
