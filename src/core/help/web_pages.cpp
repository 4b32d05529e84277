#include "core/help/web_pages.h"

#include <string>

#include "core/shared/message_boxes.h"

namespace hashwell::core {
namespace {

// Opens the address; on a failure, `shown` is the address the message names.
void OpenAddress(Desktop& desktop, EventRecord& events, std::u16string_view address,
                 std::u16string_view shown) {
    const bool opened = desktop.OpenWebAddress(address);
    DrainEvents(desktop, events);
    if (!opened) {
        ShowError(desktop, u"Error", u"Unable to load web page '" + std::u16string(shown) + u"'!");
    }
}

}  // namespace

std::u16string_view MakerWebSite() {
    return HASHWELL_MAKER_WEB_SITE;
}

void OpenWebPage(Desktop& desktop, EventRecord& events, std::u16string_view address) {
    OpenAddress(desktop, events, address, address);
}

void OpenUpdatePage(Desktop& desktop, EventRecord& events, std::u16string_view site,
                    std::u16string_view versionNumber, int platformBits) {
    const std::u16string page =
        std::u16string(site) + u"/update/checkprod.php?prodver=" + std::u16string(versionNumber);
    const std::u16string_view width = platformBits == 32   ? u"&prodwidth=32"
                                      : platformBits == 64 ? u"&prodwidth=64"
                                                           : u"";
    OpenAddress(desktop, events, page + std::u16string(width), page);
}

}  // namespace hashwell::core
