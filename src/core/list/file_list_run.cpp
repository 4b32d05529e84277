#include "core/list/file_list_run.h"

#include <algorithm>

#include <string>
#include <vector>

#include "core/desktop/ids.h"
#include "core/list/file_gathering.h"
#include "core/list/grid_layout.h"
#include "core/list/list_row.h"
#include "core/shared/amounts.h"
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
constexpr std::size_t kWarnAbove = 10;
constexpr unsigned kWorkers = 2;

// A list that is one entry of only spaces is no list at all; as joined text it would be blank.
bool IsBlankList(const std::vector<platform::Path>& paths) {
    return paths.empty() || (paths.size() == 1 && TrimSpaces(paths.front()).empty());
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
                std::u16string_view columnTitles, const std::vector<platform::Path>& paths,
                ListRunReport* report) {
    ListRunReport ignored;
    ListRunReport& told = report != nullptr ? *report : ignored;
    if (TrimSpaces(columnTitles).empty() || IsBlankList(paths)) {
        return 0;
    }
    const std::vector<std::u16string> titles = SplitFields(columnTitles, u',');

    // The files are found first, the bar busy over the grid as it stands.
    desktop.SetControlVisible(MainControl::ProgressBar, true);
    CentreProgressBar(desktop);
    GatheredFiles gathered;
    told.end = GatherFiles(desktop, events, paths, MainControl::ProgressBar, gathered);
    told.missing = gathered.missing;
    const std::size_t count = gathered.files.size();
    if (told.end != RunEnd::Finished ||
        (count > kWarnAbove &&
         !AskYesNo(desktop, u"Time Warning",
                   u"Hash " + GroupedCount(count) + u" files (" + DecimalSize(gathered.totalBytes) +
                       u")? This might take a long time."))) {
        desktop.SetControlVisible(MainControl::ProgressBar, false);
        return 0;
    }

    desktop.ClearGridRows(MainControl::FileGrid);
    std::vector<GridColumn> columns;
    for (std::size_t k = 0; k < titles.size(); ++k) {
        columns.push_back({titles[k], k == 0 ? kFirstColumnWidth : kCodeColumnWidth});
    }
    SetGridColumns(desktop, columns);
    // Escape or the close box from the end of the walk on still stop the run.
    const RunEnd asked = StopAsked(desktop, events);
    desktop.SetProgress(MainControl::ProgressBar, 0);
    desktop.SetMenuItemEnabled(MenuItem::MenuExportCsv, true);
    CentreProgressBar(desktop);

    // The workers hash; this thread keeps the bar moving and the windows drawn, and acts on
    // nothing the user does meanwhile but a stop.
    std::vector<digest::HashJob> jobs;
    jobs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        jobs.push_back(
            {std::move(gathered.files[i]),
             {std::begin(digest::kListRunAlgorithms), std::end(digest::kListRunAlgorithms)},
             false,
             gathered.sizes[i]});
    }
    // A stopped run shows the files it finished; those it had in hand are abandoned. The hasher
    // and its codes go before the rows reach the grid, so that a big run holds its codes once.
    std::vector<std::vector<std::u16string>> rows;
    std::size_t finished = 0;
    {
        digest::ListHasher hasher(std::move(jobs), kWorkers);
        if (asked != RunEnd::Finished) {
            hasher.Stop();
        }
        told.end = std::max(asked, WaitForRun(desktop, events, hasher, MainControl::ProgressBar));
        for (std::size_t i = 0; i < count; ++i) {
            if (!hasher.IsDone(i)) {
                continue;
            }
            ++finished;
            ListRowRecord record = ListRow(hasher.Job(i).path, hasher.CodesOf(i), caseText);
            // A file none of whose codes could be computed, or that vanished since it was
            // hashed, gets no row.
            if (record.errors < kCodesPerFile && platform::IsRegularFile(record.path)) {
                rows.push_back(std::move(record.cells));
            }
        }
    }

    // A close box clicked as the run ended still ends the program.
    if (StopAsked(desktop, events) == RunEnd::StoppedToQuit) {
        told.end = RunEnd::StoppedToQuit;
    }
    desktop.SetProgress(MainControl::ProgressBar, 100);
    desktop.AppendGridRows(MainControl::FileGrid, rows);
    desktop.SetControlVisible(MainControl::ProgressBar, false);

    if (told.end == RunEnd::Stopped && finished < count) {
        ShowInformation(desktop, u"Stopped",
                        u"Stopped after " + GroupedCount(finished) + u" of " + GroupedCount(count) +
                            u" files.");
    } else if (told.end != RunEnd::StoppedToQuit &&
               desktop.ClientSize(WindowId::MainWindow).width == startWidth) {
        ShowInformation(desktop, u"Window Size",
                        u"Please maximize or resize this window so that all hash codes can be "
                        u"displayed!");
    }
    if (told.end == RunEnd::Stopped && finished == count) {
        told.end = RunEnd::Finished;  // the stop came as the last file was done
    }
    return 1;
}

}  // namespace hashwell::core
