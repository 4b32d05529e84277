#include "core/windows/help_topics.h"

#include <algorithm>
#include <cstdio>

#include "core/windows/main_window_controls.h"
#include "core/windows/window_specs.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

std::optional<std::u16string> PageNamed(int number) {
    if (number == kNoHelpPage) {
        return std::nullopt;
    }
    if (number == kIndexPage) {
        return std::u16string(kHelpIndex);
    }
    char name[32];
    std::snprintf(name, sizeof name, "hashguide_%03d.html", number);
    return platform::AsciiToUtf16(name);
}

}  // namespace

std::optional<std::u16string> HelpTopicOf(const Event& event) {
    if (event.kind == EventKind::Menu) {
        return PageNamed(HelpPageOf(static_cast<MenuItem>(event.objectId)));
    }
    if (event.kind == EventKind::Control) {
        const std::span<const ControlSpec> controls = SpecOf(event.windowId).controls;
        const auto found = std::find_if(
            controls.begin(), controls.end(),
            [&](const ControlSpec& spec) { return spec.control.Id() == event.objectId; });
        return found == controls.end() ? std::nullopt : PageNamed(found->helpPage);
    }
    return std::nullopt;
}

std::vector<std::u16string> AllHelpPages() {
    std::vector<std::u16string> pages{std::u16string(kHelpIndex)};
    auto add = [&](int number) {
        std::optional<std::u16string> name = PageNamed(number);
        if (name && std::find(pages.begin(), pages.end(), *name) == pages.end()) {
            pages.push_back(std::move(*name));
        }
    };
    for (const MenuItemSpec& item : MainMenuItems()) {
        add(item.helpPage);
    }
    for (const WindowId window :
         {WindowId::MainWindow, WindowId::AboutWindow, WindowId::PreferencesWindow}) {
        for (const ControlSpec& control : SpecOf(window).controls) {
            add(control.helpPage);
        }
    }
    return pages;
}

}  // namespace hashwell::core
