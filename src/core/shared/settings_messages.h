#pragma once

// The boxes that tell the user how finding, loading and saving the settings went.

#include "core/desktop/dialogs.h"
#include "settings/settings_location.h"
#include "settings/settings_store.h"

namespace hashwell::core {

// "Path Error" or "INI Path Error" for a settings folder that could not be created.
void ReportSettingsFolder(Dialogs& dialogs, const settings::SettingsLocation& location);

// The first run's notice, or the error of a file that could not be created or opened.
void ReportSettingsLoad(Dialogs& dialogs, settings::LoadOutcome outcome);

// The error of a save that could not open or write the file; nothing for a save that worked.
void ReportSettingsSave(Dialogs& dialogs, settings::SaveOutcome outcome);

}  // namespace hashwell::core
