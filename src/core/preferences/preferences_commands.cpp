#include "core/preferences/preferences_commands.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/desktop/ids.h"
#include "core/shared/message_boxes.h"
#include "core/shared/settings_messages.h"
#include "core/windows/skin.h"
#include "digest/text_format.h"

namespace hashwell::core {
namespace {

using enum PreferencesControl;

// A group of boxes and the value each stands for; the first is the group's default.
template <class Value>
struct Choice {
    PreferencesControl box;
    Value value;
};

const std::array<Choice<std::u16string_view>, 2> kCases{
    {{OptionLowerCase, u"lower"}, {OptionUpperCase, u"UPPER"}}};
const std::array<Choice<std::int64_t>, 3> kFormats{{{OptionUtf8, digest::TextFormat::Utf8},
                                                    {OptionAscii, digest::TextFormat::Ascii},
                                                    {OptionUnicode, digest::TextFormat::Unicode}}};
const std::array<Choice<std::int64_t>, 3> kSkins{
    {{OptionSkin1, 1}, {OptionSkin2, 2}, {OptionSkin3, 3}}};

// The three groups by their boxes in window order, for unticking the others.
constexpr PreferencesControl kCaseBoxes[] = {OptionLowerCase, OptionUpperCase};
constexpr PreferencesControl kFormatBoxes[] = {OptionAscii, OptionUtf8, OptionUnicode};
constexpr PreferencesControl kSkinBoxes[] = {OptionSkin1, OptionSkin2, OptionSkin3};
constexpr std::span<const PreferencesControl> kGroups[] = {kCaseBoxes, kFormatBoxes, kSkinBoxes};

template <class Value, std::size_t N>
void TickMatching(Controls& controls, const std::array<Choice<Value>, N>& group,
                  const auto& value) {
    for (const Choice<Value>& choice : group) {
        controls.SetChecked(choice.box, choice.value == value);
    }
}

// The value of the first ticked box in window order; with none ticked, the default, ticked.
template <class Value, std::size_t N>
Value ReadGroup(Controls& controls, const std::array<Choice<Value>, N>& group,
                std::span<const PreferencesControl> windowOrder) {
    for (const PreferencesControl box : windowOrder) {
        if (controls.IsChecked(box)) {
            for (const Choice<Value>& choice : group) {
                if (choice.box == box) {
                    return choice.value;
                }
            }
        }
    }
    controls.SetChecked(group.front().box, true);
    return group.front().value;
}

void SelectInGroup(Controls& controls, PreferencesControl clicked) {
    if (!controls.IsChecked(clicked)) {
        return;  // unticking leaves the others as they are
    }
    for (const std::span<const PreferencesControl> group : kGroups) {
        if (std::find(group.begin(), group.end(), clicked) != group.end()) {
            for (const PreferencesControl box : group) {
                if (box != clicked) {
                    controls.SetChecked(box, false);
                }
            }
        }
    }
}

void Hide(Desktop& desktop, AppState& state) {
    desktop.HideWindow(WindowId::PreferencesWindow);
    state.helpTopic = kHelpIndex;
}

void Save(Desktop& desktop, AppState& state) {
    settings::AppSettings& chosen = state.settings;
    chosen.Case = std::u16string(ReadGroup(desktop, kCases, kCaseBoxes));
    chosen.Format = ReadGroup(desktop, kFormats, kFormatBoxes);
    chosen.Skin = ReadGroup(desktop, kSkins, kSkinBoxes);
    settings::AppSettings& saved = state.savedSettings;
    if (chosen == saved) {
        ShowWarning(desktop, u"Nothing to Save", u"No settings have changed!");
        Hide(desktop, state);
        return;
    }
    const settings::SaveOutcome outcome =
        settings::SaveSettings(state.location.SettingsFilePath, chosen);
    ReportSettingsSave(desktop, outcome);
    // The choices are in force for this run either way; what was not stored stays different
    // from the stored copy, so that the next Save tries again.
    if (chosen.MainOnTop != saved.MainOnTop) {
        desktop.SetWindowTopMost(WindowId::MainWindow, chosen.MainOnTop == 1);
    }
    if (outcome == settings::SaveOutcome::Saved) {
        if (chosen.Skin != saved.Skin) {
            ShowInformation(desktop, u"Restart required",
                            u"Changes to window skin will take affect when application is "
                            u"restarted.");
        }
        saved = chosen;
    }
    Hide(desktop, state);
}

}  // namespace

void OpenPreferences(Desktop& desktop, AppState& state) {
    if (state.preferencesCreated) {
        desktop.CentreWindow(WindowId::PreferencesWindow, WindowId::MainWindow);
        desktop.ShowWindow(WindowId::PreferencesWindow);
        ApplySkin(desktop, WindowId::PreferencesWindow, state.settings.Skin);
        return;
    }
    if (!desktop.BuildWindow(WindowId::PreferencesWindow)) {
        return;
    }
    desktop.ShowWindow(WindowId::PreferencesWindow);
    ApplySkin(desktop, WindowId::PreferencesWindow, state.settings.Skin);
    // A value no box stands for (from a hand-edited file) leaves its group unticked.
    TickMatching(desktop, kCases, state.settings.Case);
    TickMatching(desktop, kFormats, state.settings.Format);
    TickMatching(desktop, kSkins, state.settings.Skin);
    desktop.SetChecked(CheckOnTop, state.settings.MainOnTop != 0);
    state.preferencesCreated = true;
}

void HandlePreferencesControl(Desktop& desktop, AppState& state, PreferencesControl control,
                              const Event& event) {
    switch (control) {
        case CheckOnTop:
            state.settings.MainOnTop = desktop.IsChecked(CheckOnTop) ? 1 : 0;
            break;
        case ButtonSave:
            if (event.type == EventType::LeftClick) {
                Save(desktop, state);
            }
            break;
        case ButtonCancel:
            if (event.type == EventType::LeftClick) {
                Hide(desktop, state);
            }
            break;
        default:
            SelectInGroup(desktop, control);
            break;
    }
}

}  // namespace hashwell::core
