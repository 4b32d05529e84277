#include "core/file_list_run.h"

#include <chrono>
#include <string>
#include <vector>

#include "core/ids.h"
#include "digest/file_list.h"
#include "digest/list_hasher.h"
#include "platform/platform.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

using digest::ListRowRecord;

constexpr int kFirstColumnWidth = 360;
constexpr int kCodeColumnWidth = 180;
constexpr int kCodesPerFile = 5;
constexpr int kWarnAbove = 10;
constexpr std::chrono::milliseconds kProgressInterval{40};

void ReplaceColumns(Desktop& desktop, const std::vector<std::u16string>& titles) {
    for (int index = static_cast<int>(titles.size()) - 1; index >= 0; --index) {
        desktop.RemoveGridColumn(ControlId::FileGrid, index);
    }
}

void AddColumns(Desktop& desktop, const std::vector<std::u16string>& titles) {
    for (std::size_t k = 0; k < titles.size(); ++k) {
        desktop.InsertGridColumn(ControlId::FileGrid, static_cast<int>(k), titles[k],
                                 k == 0 ? kFirstColumnWidth : kCodeColumnWidth);
    }
}

// Places the bar in the middle of the panel, relative to the tab's client area.
void CentreProgressBar(Desktop& desktop) {
    const Size window = desktop.ClientSize(WindowId::MainWindow);
    const Rect panel = desktop.ControlGeometry(ControlId::TabPanel);
    const Rect bar = desktop.ControlGeometry(ControlId::ProgressBar);
    const int x = window.width / 2 - (window.width - panel.width) / 2 - bar.width / 2;
    const int y = window.height / 2 - (window.height - panel.height) / 2 - bar.height / 2;
    desktop.SetControlGeometry(ControlId::ProgressBar, {x, y, 140, 20});
}

// A path the run hashes: an existing regular file the user may read.
bool IsReadableFile(const platform::Path& path) {
    return platform::IsRegularFile(path) &&
           platform::CheckFileAccess(path, platform::kFileGenericRead) ==
               platform::kFileGenericRead;
}

}  // namespace

int FileListRun(Desktop& desktop, int startWidth, std::u16string_view caseText,
                std::u16string_view columnTitles, std::u16string_view pathList) {
    if (digest::TrimSpaces(columnTitles).empty() || digest::TrimSpaces(pathList).empty()) {
        return 0;
    }
    const std::vector<std::u16string> titles = digest::SplitFields(columnTitles, u',');
    const std::vector<std::u16string> paths =
        digest::SplitFields(pathList, platform::kListSeparator);
    const int count = static_cast<int>(paths.size());

    desktop.ClearGridRows(ControlId::FileGrid);
    ReplaceColumns(desktop, titles);
    if (count > kWarnAbove) {
        desktop.ShowMessageBox({u"Time Warning",
                                u"You selected " + platform::AsciiToUtf16(std::to_string(count)) +
                                    u" files. Please be aware that this might take a long time to "
                                    u"process!",
                                platform::MessageIcon::Warning, platform::MessageButtons::Ok});
    }
    desktop.DrainEvents();
    AddColumns(desktop, titles);
    desktop.SetControlVisible(ControlId::ProgressBar, true);
    desktop.SetMenuItemEnabled(MenuId::MenuExportCsv, true);
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
            desktop.SetProgress(ControlId::ProgressBar, percent);
        }
        desktop.RepaintWindows();
    }
    std::vector<ListRowRecord> records;
    for (std::size_t i = 0; i < readable.size(); ++i) {
        ListRowRecord record = digest::ListRow(readable[i], hasher.Results()[i], caseText);
        if (record.errors < kCodesPerFile) {
            records.push_back(std::move(record));
        }
    }

    desktop.DrainEvents();
    desktop.SetProgress(ControlId::ProgressBar, 100);
    for (const ListRowRecord& record : records) {
        // A file that vanished since it was hashed gets no row.
        if (platform::IsRegularFile(record.path)) {
            desktop.AppendGridRow(ControlId::FileGrid, record.cells);
        }
    }
    desktop.SetControlVisible(ControlId::ProgressBar, false);

    if (desktop.ClientSize(WindowId::MainWindow).width == startWidth) {
        desktop.ShowMessageBox({u"Window Size",
                                u"Please maximize or resize this window so that all hash codes "
                                u"can be displayed!",
                                platform::MessageIcon::Information, platform::MessageButtons::Ok});
    }
    return 1;
}

}  // namespace hashwell::core
