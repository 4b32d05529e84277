#include "settings/settings_location.h"

namespace hashwell::settings {
namespace {

using platform::kPathSeparator;
using platform::Path;

constexpr std::u16string_view kMakerFolder = u"Tarnvale";
constexpr std::u16string_view kProductFolder = u"Hashwell";
constexpr std::u16string_view kFileName = u"Hashwell.ini";

const Path kSeparator(1, kPathSeparator);

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
}

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part) {
    for (std::size_t start = 0; start + part.size() <= text.size(); ++start) {
        std::size_t i = 0;
        while (i < part.size() && AsciiLower(text[start + i]) == AsciiLower(part[i])) {
            ++i;
        }
        if (i == part.size()) {
            return true;
        }
    }
    return false;
}

Path ProgramFolder(const Path& programPath) {
    const std::size_t last = programPath.rfind(kPathSeparator);
    const Path folder = last == Path::npos ? Path() : programPath.substr(0, last + 1);
    return JoinPath(folder, kSeparator);
}

// Creates base/Tarnvale and base/Tarnvale/Hashwell where missing, two levels at the most; the
// folder that could not be created, if one could not.
std::optional<UncreatedFolder> CreateSettingsFolders(const Path& base) {
    const Path maker = base + Path(kMakerFolder);
    const Path product = maker + kSeparator + Path(kProductFolder);
    if (platform::FolderExists(maker)) {
        if (!platform::FolderExists(product) && !platform::CreateFolder(product)) {
            return UncreatedFolder{product, false};
        }
        return std::nullopt;
    }
    if (!platform::CreateFolder(maker)) {
        return UncreatedFolder{maker + kSeparator, true};
    }
    if (!platform::CreateFolder(product)) {
        return UncreatedFolder{product, true};
    }
    return std::nullopt;
}

}  // namespace

SettingsEnvironment SystemSettingsEnvironment() {
    return {platform::ProgramPath(), &platform::EnvironmentVariable};
}

Path JoinPath(std::u16string_view folder, std::u16string_view name) {
    const bool folderEnds = !folder.empty() && folder.back() == kPathSeparator;
    const bool nameBegins = !name.empty() && name.front() == kPathSeparator;
    if (folderEnds && nameBegins) {
        folder.remove_suffix(1);
    }
    Path joined(folder);
    if (!folderEnds && !nameBegins) {
        joined += kPathSeparator;
    }
    return joined + Path(name);
}

bool IsInstalledLocation(std::u16string_view programFolder) {
    return ContainsIgnoringCase(programFolder, u"Program Files") ||
           platform::IsSystemProgramFolder(programFolder);
}

SettingsLocation ResolveSettingsPath(const SettingsEnvironment& environment) {
    const Path programFolder = ProgramFolder(environment.programPath);
    const Path base = JoinPath(IsInstalledLocation(programFolder)
                                   ? platform::UserConfigurationFolder(environment.variable)
                                   : programFolder,
                               kSeparator);
    const Path productFolder = Path(kMakerFolder) + kSeparator + Path(kProductFolder) + kSeparator;
    SettingsLocation location;
    location.SettingsFolder = JoinPath(base, productFolder);
    location.uncreatedFolder = CreateSettingsFolders(base);
    location.SettingsFilePath = location.SettingsFolder + Path(kFileName);
    return location;
}

}  // namespace hashwell::settings
