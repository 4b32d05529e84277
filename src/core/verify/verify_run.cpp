#include "core/verify/verify_run.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "checksums/checksum_file_name.h"
#include "checksums/checksum_file_reader.h"
#include "core/desktop/ids.h"
#include "core/list/grid_layout.h"
#include "core/shared/amounts.h"
#include "core/shared/display_code.h"
#include "core/shared/hashing_run.h"
#include "core/shared/message_boxes.h"
#include "core/verify/verdict.h"
#include "digest/catalogue.h"
#include "digest/list_hasher.h"
#include "platform/path_parts.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

constexpr unsigned kWorkers = 2;

const std::vector<GridColumn> kVerifyColumns = {
    {u"File Name", 250}, {u"Method", 80}, {u"Expected", 180}, {u"Status", 90}};

// A checksum line: what it expects of which job's code.
struct ExpectedRow {
    std::u16string name;  // as the line writes it, readable
    const digest::Algorithm* algorithm;
    std::string hex;
    std::size_t job;
    std::size_t code;  // which of the job's codes
};

struct ChecksumList {
    std::vector<ExpectedRow> rows;
    std::vector<digest::HashJob> jobs;  // one per file, with every algorithm its lines name
    std::size_t malformed = 0;
};

std::optional<platform::ReadOnlyFile> OpenChecksumFile(const platform::Path& path,
                                                       std::u16string* reason) {
    return platform::ReadOnlyFile::OpenRegular(path, reason);
}

// The checksum file's lines, each file it names once; nothing when it cannot be read.
std::optional<ChecksumList> ReadChecksumList(const platform::Path& path, std::u16string* reason) {
    std::optional<platform::ReadOnlyFile> file = OpenChecksumFile(path, reason);
    if (!file) {
        return std::nullopt;
    }
    checksums::ChecksumFileReader reader(
        [&file](std::uint8_t* buffer, std::size_t size, std::u16string* why) {
            return file->Read(buffer, size, why);
        },
        path, {}, platform::FolderPart(path));
    ChecksumList list;
    std::map<platform::Path, std::size_t> jobOf;
    while (std::optional<checksums::ListedLine> line = reader.Next()) {
        if (line->parsed.kind == checksums::LineKind::Malformed) {
            ++list.malformed;
        }
        if (line->parsed.kind != checksums::LineKind::Code) {
            continue;
        }
        const checksums::ExpectedCode& expected = *line->parsed.code;
        const auto [at, added] = jobOf.try_emplace(line->path, list.jobs.size());
        if (added) {
            list.jobs.push_back({line->path, {}});
        }
        std::vector<digest::AlgorithmId>& algorithms = list.jobs[at->second].algorithms;
        const auto found = std::ranges::find(algorithms, expected.algorithm.id);
        const auto code = static_cast<std::size_t>(found - algorithms.begin());
        if (found == algorithms.end()) {
            algorithms.push_back(expected.algorithm.id);
        }
        list.rows.push_back({platform::ReadableText(platform::DecodeNativeBytes(expected.name)),
                             &digest::AlgorithmOf(expected.algorithm.id), expected.hex, at->second,
                             code});
    }
    if (!reader.Failure().empty()) {
        *reason = reader.Failure();
        return std::nullopt;
    }
    return list;
}

// The status of a row whose file was read, or could not be.
std::u16string StatusOf(const ExpectedRow& row, const digest::ListHasher& hasher,
                        VerifyTally& tally) {
    const std::string& code = hasher.CodesOf(row.job)[row.code];
    if (code.empty()) {
        if (!platform::PathExists(hasher.Job(row.job).path)) {
            ++tally.missing;
            return u"Missing";
        }
        ++tally.unreadable;
        const std::u16string& reason = hasher.FailureOf(row.job);
        return std::u16string(u"Unreadable: ") +
               (reason.empty() ? std::u16string(u"Cannot be read") : reason);
    }
    if (code != row.hex) {
        ++tally.failed;
        return u"FAILED";
    }
    return u"OK";
}

std::u16string Shown(const platform::Path& path) {
    return std::u16string(u"'") + platform::ReadableText(path) + u"'";
}

}  // namespace

bool LooksLikeChecksumFile(const platform::Path& path) {
    if (!checksums::IsChecksumFileName(path)) {
        return false;
    }
    std::optional<platform::ReadOnlyFile> file = OpenChecksumFile(path, nullptr);
    if (!file) {
        return false;
    }
    checksums::ChecksumFileReader reader(
        [&file](std::uint8_t* buffer, std::size_t size, std::u16string* why) {
            return file->Read(buffer, size, why);
        },
        path, {}, {});
    while (std::optional<checksums::ListedLine> line = reader.Next()) {
        if (line->parsed.kind != checksums::LineKind::Ignored) {
            return line->parsed.kind == checksums::LineKind::Code;
        }
    }
    return false;
}

void VerifyChecksumFile(Desktop& desktop, EventRecord& events, const platform::Path& file,
                        std::u16string_view caseText, ListRunReport* report) {
    ListRunReport ignored;
    ListRunReport& told = report != nullptr ? *report : ignored;
    std::u16string reason;
    const std::optional<ChecksumList> list = ReadChecksumList(file, &reason);
    if (!list) {
        ShowError(desktop, u"Error",
                  std::u16string(u"File ") + Shown(file) + u" could not be read: " + reason);
        return;
    }
    if (list->rows.empty()) {
        ShowError(desktop, u"Not a Checksum File",
                  std::u16string(u"File ") + Shown(file) + u" holds no checksum lines!");
        return;
    }

    desktop.ClearGridRows(MainControl::FileGrid);
    SetGridColumns(desktop, kVerifyColumns);
    desktop.SetMenuItemEnabled(MenuItem::MenuExportCsv, true);
    desktop.SetControlVisible(MainControl::ProgressBar, true);
    CentreProgressBar(desktop);
    desktop.SetProgress(MainControl::ProgressBar, 0);
    digest::ListHasher hasher(list->jobs, kWorkers);
    told.end = WaitForRun(desktop, events, hasher, MainControl::ProgressBar);
    if (StopAsked(desktop, events) == RunEnd::StoppedToQuit) {
        told.end = RunEnd::StoppedToQuit;
    }

    // A stopped run shows the lines whose files were finished.
    VerifyTally tally{list->rows.size(), 0, 0, 0, list->malformed};
    std::vector<std::vector<std::u16string>> rows;
    std::vector<int> marked;
    for (const ExpectedRow& row : list->rows) {
        if (!hasher.IsDone(row.job)) {
            continue;
        }
        std::u16string status = StatusOf(row, hasher, tally);
        if (status != u"OK") {
            marked.push_back(static_cast<int>(rows.size()));
        }
        rows.push_back({row.name, std::u16string(row.algorithm->title),
                        DisplayCode(row.hex, caseText), std::move(status)});
    }
    desktop.SetProgress(MainControl::ProgressBar, 100);
    desktop.AppendGridRows(MainControl::FileGrid, rows);
    for (const int row : marked) {
        desktop.MarkGridRow(MainControl::FileGrid, row);
    }
    desktop.SetControlVisible(MainControl::ProgressBar, false);

    if (told.end == RunEnd::StoppedToQuit) {
        return;
    }
    if (rows.size() < list->rows.size()) {
        ShowInformation(desktop, u"Stopped",
                        std::u16string(u"Stopped after ") + GroupedCount(rows.size()) + u" of " +
                            GroupedCount(list->rows.size()) + u" files.");
        return;
    }
    told.end = RunEnd::Finished;
    desktop.ShowMessageBox(VerdictBox(tally));
}

}  // namespace hashwell::core
