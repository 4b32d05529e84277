#include "core/web_pages.h"

#include "core/message_boxes.h"

namespace hashwell::core {

void OpenWebPage(Desktop& desktop, EventRecord& events, std::u16string_view address) {
    const bool opened = desktop.OpenWebAddress(address);
    DrainEvents(desktop, events);
    if (!opened) {
        ShowError(desktop, u"Error",
                  u"Unable to load web page '" + std::u16string(address) + u"'!");
    }
}

}  // namespace hashwell::core
