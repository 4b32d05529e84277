#pragma once

// The state of the running program that every command reads and writes.

#include <cstdint>
#include <string>
#include <vector>

#include "core/shared/event_record.h"
#include "core/windows/control_anchors.h"
#include "core/windows/help_topics.h"
#include "digest/digest_method.h"
#include "settings/settings_location.h"
#include "settings/settings_store.h"

namespace hashwell::core {

enum class DropType { None, Text, Files };

// The one record of the running program, owned by the core for the whole run. Every handler
// reads and writes it directly. The values are those the program has once started.
struct AppState {
    std::int32_t method = digest::HashMethod::Crc32;
    std::int32_t bitSize = digest::BitSize::Bits256;  // SHA2/SHA3 size; 0 when none is chosen
    settings::AppSettings settings;                   // the preferences in force
    settings::AppSettings savedSettings;              // as last loaded or saved
    settings::SettingsLocation location;              // folder and path of the settings file

    std::u16string helpTopic{kHelpIndex};  // the page F1 opens
    std::u16string currentFileName;        // last file name or list chosen, typed or dropped
    std::u16string fileToHash;             // what Calculate hashes on the File tab; may hold a list
    platform::Path nameBoxPath;            // the path FileNameBox shows in readable form
    std::string textHash;                  // last codes computed for the Text and File tabs
    std::string fileHash;
    int currentTab = 0;                    // the tab last read or chosen
    std::optional<ControlRef> savedFocus;  // the focused control while Calculate or Copy hash runs
    bool quitRequested = false;

    bool aboutCreated = false;
    bool preferencesCreated = false;
    std::u16string aboutLinkUrl;

    EventRecord events;                  // the last event's id and the mouse movements since
    DropType dropType = DropType::None;  // the kind of the last drop
    std::u16string droppedFiles;         // its paths joined by line feeds
    int droppedCount = 0;                // the number of its paths

    platform::Path programPath;                   // the program file, for finding its help
    std::vector<std::u16string> commandLineArgs;  // the paths given; only the first counts
    int startWidth = 0;  // the main window's client width right after it was shown
    ControlAnchors anchors;

    std::u16string versionNumber;
    std::u16string versionText;
    int platformBits = 0;
    std::u16string ownershipNotice;
};

}  // namespace hashwell::core
