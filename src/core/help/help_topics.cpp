#include "core/help/help_topics.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "core/app/ids.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

using namespace ControlId;
using namespace MenuId;

constexpr int kIndexPage = 0;  // "index.html" rather than a numbered page

// Menu items and controls with the number of the page they set.
constexpr std::array<std::pair<int, int>, 26> kPages{{
    {MenuOpen, 8},
    {MenuOpenList, 9},
    {MenuPreferences, 15},
    {MenuExit, 14},
    {MenuCopyHash, 10},
    {MenuExportCsv, 11},
    {MenuExportTsv, 11},
    {MenuContents, kIndexPage},
    {MenuUpdates, 20},
    {MenuAbout, 27},
    {ButtonOpen, 22},
    {ButtonOpenList, 23},
    {ButtonCalculate, 24},
    {ButtonExportList, 25},
    {ButtonHelp, kIndexPage},
    {TabPanel, 4},
    {TextInput, 16},
    {TextHashBox, 16},
    {FileHashBox, 17},
    {FileGrid, 18},
    {OptionCrc32, 5},
    {OptionMd5, 5},
    {OptionSha1, 5},
    {OptionSha2, 5},
    {OptionSha3, 5},
    {CheckBits224, 5},
}};

std::u16string NumberedPage(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "hashguide_%03d.html", number);
    return platform::AsciiToUtf16(name);
}

}  // namespace

std::optional<std::u16string> HelpTopicOf(int objectId) {
    // The four bit-size boxes share the page of the method options; the Preferences window's
    // boxes (not its keep-on-top box) and buttons share the page of the Preferences command,
    // and the About window's link and OK button that of the About command.
    if (objectId >= CheckBits224 && objectId <= CheckBits512) {
        objectId = CheckBits224;
    } else if ((objectId >= OptionLowerCase && objectId <= OptionSkin3) || objectId == ButtonSave ||
               objectId == ButtonCancel) {
        objectId = MenuPreferences;
    } else if (objectId == AboutLink || objectId == AboutOk) {
        objectId = MenuAbout;
    }
    for (const auto& [id, page] : kPages) {
        if (id == objectId) {
            return page == kIndexPage ? std::u16string(kHelpIndex) : NumberedPage(page);
        }
    }
    return std::nullopt;
}

std::vector<std::u16string> AllHelpPages() {
    std::vector<std::u16string> pages{std::u16string(kHelpIndex)};
    for (const auto& [id, page] : kPages) {
        std::u16string name = page == kIndexPage ? std::u16string(kHelpIndex) : NumberedPage(page);
        if (std::find(pages.begin(), pages.end(), name) == pages.end()) {
            pages.push_back(std::move(name));
        }
    }
    return pages;
}

}  // namespace hashwell::core
