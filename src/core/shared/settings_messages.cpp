#include "core/shared/settings_messages.h"

#include "core/shared/message_boxes.h"

namespace hashwell::core {

void ReportSettingsFolder(Dialogs& dialogs, const settings::SettingsLocation& location) {
    if (const auto& missing = location.uncreatedFolder) {
        ShowError(dialogs, missing->makerFolderNew ? u"INI Path Error" : u"Path Error",
                  u"Unable to create folder: " + missing->folder);
    }
}

void ReportSettingsLoad(Dialogs& dialogs, settings::LoadOutcome outcome) {
    switch (outcome) {
        case settings::LoadOutcome::Loaded:
            break;
        case settings::LoadOutcome::CreatedWithDefaults:
            ShowInformation(dialogs, u"Notice",
                            u"Please remember that the CRC32 hash used in this application is "
                            u"actually CRC-32b. Also, to get an SHA-256 hash, select SHA2 and "
                            u"then choose 256 Bits.");
            break;
        case settings::LoadOutcome::CannotCreate:
            ShowError(dialogs, u"Error", u"Could not create Preferences file!");
            break;
        case settings::LoadOutcome::CannotOpen:
            ShowError(dialogs, u"Error", u"Could not open Preferences file!");
            break;
    }
}

void ReportSettingsSave(Dialogs& dialogs, settings::SaveOutcome outcome) {
    switch (outcome) {
        case settings::SaveOutcome::Saved:
            break;
        case settings::SaveOutcome::CannotOpen:
            ShowError(dialogs, u"Error", u"Could not open Preferences file!");
            break;
        case settings::SaveOutcome::CannotSave:
            ShowError(dialogs, u"Error", u"Could not save Preferences file!");
            break;
    }
}

}  // namespace hashwell::core
