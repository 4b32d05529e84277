#include "digest/run_resources.h"

#include <new>
#include <system_error>

namespace hashwell::digest {

const RunResources& SystemResources() {
    static const RunResources system{
        [](std::size_t size) {
            return ReadBuffer(
                static_cast<std::uint8_t*>(::operator new[](size, kBufferAlignment, std::nothrow)));
        },
        [](std::function<void()> work) -> std::optional<std::thread> {
            try {
                return std::thread(std::move(work));
            } catch (const std::system_error&) {
                return std::nullopt;  // the system has no thread to give
            }
        },
        [](const platform::Path& file, std::u16string* reason, bool* inMemory) {
            std::optional<platform::ReadOnlyFile> opened =
                platform::ReadOnlyFile::OpenRegular(file, reason);
            *inMemory = opened && opened->StartsInMemory();
            if (opened && !*inMemory) {
                opened->AdviseWillRead();
            }
            return opened;
        }};
    return system;
}

}  // namespace hashwell::digest
