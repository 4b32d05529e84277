#include "core/app/program_version.h"

#include "platform/unicode.h"

namespace hashwell::core {

std::u16string VersionNumber(const ProgramVersion& version) {
    const int number = version.series * 10000 + version.major * 1000 + version.minor * 100 +
                       version.revision * 10 + version.build;
    return platform::AsciiToUtf16(std::to_string(number));
}

std::u16string VersionText(const ProgramVersion& version) {
    return platform::AsciiToUtf16(
        std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
        std::to_string(version.revision) + "." + std::to_string(version.build));
}

}  // namespace hashwell::core
