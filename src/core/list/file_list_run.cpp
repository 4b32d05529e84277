#include "core/list/file_list_run.h"

#include <chrono>
#include <string>
#include <vector>

#include "core/desktop/ids.h"
#include "core/list/list_row.h"
#include "core/shared/joined_texts.h"
#include "core/shared/message_boxes.h"
#include "digest/catalogue.h"
#include "digest/list_hasher.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

constexpr int kFirstColumnWidth = 360;
constexpr int kCodeColumnWidth = 180;
constexpr int kCodesPerFile = static_cast<int>(std::size(digest::kListRunAlgorithms));
constexpr int kWarnAbove = 10;
constexpr std::chrono::milliseconds kProgressInterval{40};

void ReplaceColumns(Controls& controls, const std::vector<std::u16string>& titles) {
    for (int index = static_cast<int>(titles.size()) - 1; index >= 0; --index) {
        controls.RemoveGridColumn(MainControl::FileGrid, index);
    }
}

void AddColumns(Controls& controls, const std::vector<std::u16string>& titles) {
    for (std::size_t k = 0; k < titles.size(); ++k) {
        controls.InsertGridColumn(MainControl::FileGrid, static_cast<int>(k), titles[k],
                                  k == 0 ? kFirstColumnWidth : kCodeColumnWidth);
    }
}

// A list that is one entry of only spaces is no list at all; as joined text it would be blank.
bool IsBlankList(const std::vector<platform::Path>& paths) {
    return paths.empty() || (paths.size() == 1 && TrimSpaces(paths.front()).empty());
}

// Places the bar in the middle of the panel, relative to the tab's client area.
void CentreProgressBar(Desktop& desktop) {
    const Size window = desktop.ClientSize(WindowId::MainWindow);
    const Rect panel = desktop.ControlGeometry(MainControl::TabPanel);
    const Rect bar = desktop.ControlGeometry(MainControl::ProgressBar);
    const int x = window.width / 2 - (window.width - panel.width) / 2 - bar.width / 2;
    const int y = window.height / 2 - (window.height - panel.height) / 2 - bar.height / 2;
    desktop.SetControlGeometry(MainControl::ProgressBar, {x, y, 140, 20});
}

// A path the run hashes: an existing regular file the user may read.
bool IsReadableFile(const platform::Path& path) {
    return platform::IsRegularFile(path) &&
           platform::CheckFileAccess(path, platform::kFileGenericRead) ==
               platform::kFileGenericRead;
}

}  // namespace

std::u16string FileListColumns() {
    std::u16string titles = u"File Name";
    for (const digest::AlgorithmId id : digest::kListRunAlgorithms) {
        titles += u',';
        titles += digest::AlgorithmOf(id).title;
    }
    return titles;
}

int FileListRun(Desktop& desktop, EventRecord& events, int startWidth, std::u16string_view caseText,
                std::u16string_view columnTitles, const std::vector<platform::Path>& paths) {
    if (TrimSpaces(columnTitles).empty() || IsBlankList(paths)) {
        return 0;
    }
    const std::vector<std::u16string> titles = SplitFields(columnTitles, u',');
    const int count = static_cast<int>(paths.size());

    desktop.ClearGridRows(MainControl::FileGrid);
    ReplaceColumns(desktop, titles);
    if (count > kWarnAbove) {
        ShowWarning(desktop, u"Time Warning",
                    u"You selected " + platform::AsciiToUtf16(std::to_string(count)) +
                        u" files. Please be aware that this might take a long time to process!");
    }
    DrainEvents(desktop, events);
    AddColumns(desktop, titles);
    desktop.SetControlVisible(MainControl::ProgressBar, true);
    desktop.SetMenuItemEnabled(MenuItem::MenuExportCsv, true);
    CentreProgressBar(desktop);

    // Missing paths, folders, empty entries and unreadable files get no row and no message.
    std::vector<platform::Path> readable;
    for (const std::u16string& path : paths) {
        if (IsReadableFile(path)) {
            readable.push_back(path);
        }
    }
    // The workers hash; this thread keeps the bar moving and the windows drawn, and acts on
    // nothing the user does meanwhile.
    digest::ListHasher hasher(readable);
    int shown = 0;
    while (!hasher.WaitFor(kProgressInterval)) {
        if (const int percent = hasher.PercentDone(); percent > shown) {
            shown = percent;
            desktop.SetProgress(MainControl::ProgressBar, percent);
        }
        desktop.RepaintWindows();
    }
    std::vector<ListRowRecord> records;
    for (std::size_t i = 0; i < readable.size(); ++i) {
        ListRowRecord record = ListRow(readable[i], hasher.Results()[i], caseText);
        if (record.errors < kCodesPerFile) {
            records.push_back(std::move(record));
        }
    }

    DrainEvents(desktop, events);
    desktop.SetProgress(MainControl::ProgressBar, 100);
    for (const ListRowRecord& record : records) {
        // A file that vanished since it was hashed gets no row.
        if (platform::IsRegularFile(record.path)) {
            desktop.AppendGridRow(MainControl::FileGrid, record.cells);
        }
    }
    desktop.SetControlVisible(MainControl::ProgressBar, false);

    if (desktop.ClientSize(WindowId::MainWindow).width == startWidth) {
        ShowInformation(desktop, u"Window Size",
                        u"Please maximize or resize this window so that all hash codes can be "
                        u"displayed!");
    }
    return 1;
}

}  // namespace hashwell::core
