#pragma once

// The program's version and the texts made of it.

#include <string>

namespace hashwell::core {

// The program's version, as the About window shows it and the update check sends it.
struct ProgramVersion {
    int series = 2;
    int major = 1;
    int minor = 1;
    int revision = 1;
    int build = 0;
};

inline constexpr ProgramVersion kProgramVersion{};

// The pointer width of this build: 64 on a 64-bit build.
inline constexpr int kPlatformBits = static_cast<int>(sizeof(void*) * 8);

// series×10000 + major×1000 + minor×100 + revision×10 + build in decimal: "21110".
std::u16string VersionNumber(const ProgramVersion& version);

// major.minor.revision.build: "1.1.1.0".
std::u16string VersionText(const ProgramVersion& version);

}  // namespace hashwell::core
