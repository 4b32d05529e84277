#include "core/list/export_list.h"

#include <string_view>
#include <vector>

#include "core/desktop/ids.h"
#include "core/shared/message_boxes.h"
#include "digest/text_format.h"
#include "export/table_text.h"
#include "platform/text_encoding.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

// What depends on the kind of file.
struct KindTexts {
    std::u16string_view title;
    std::u16string_view defaultName;
    std::u16string_view filterList;               // labels and patterns separated by "|"
    std::vector<std::u16string_view> extensions;  // by filter; empty: none is added
    std::u16string_view success;
    exporting::TableFormat format;
};

const KindTexts& TextsOf(exporting::TableFormat kind) {
    static const KindTexts csv{u"Please choose file name for Comma-Separated Values file",
                               u"MyFile.csv",
                               u"CSV (*.csv)|*.csv|All files (*.*)|*.*",
                               {u".csv", u""},
                               u"Comma-Separated Values file created!",
                               exporting::TableFormat::Csv};
    static const KindTexts tsv{u"Please choose file name for Tab-Separated Values file",
                               u"MyFile.txt",
                               u"Text (*.txt)|*.txt|TSV (*.tsv)|*.tsv|All files (*.*)|*.*",
                               {u".txt", u".tsv", u""},
                               u"Tab-Separated Values file created!",
                               exporting::TableFormat::Tsv};
    return kind == exporting::TableFormat::Csv ? csv : tsv;
}

// "Label|pattern|Label|pattern..." as the dialog's filter entries.
std::vector<FileFilterEntry> ParseFilterList(std::u16string_view list) {
    std::vector<FileFilterEntry> entries;
    while (!list.empty()) {
        const std::size_t bar = list.find(u'|');
        const std::u16string_view label = list.substr(0, bar);
        list = bar == std::u16string_view::npos ? std::u16string_view() : list.substr(bar + 1);
        const std::size_t next = list.find(u'|');
        entries.push_back({std::u16string(label), std::u16string(list.substr(0, next))});
        list = next == std::u16string_view::npos ? std::u16string_view() : list.substr(next + 1);
    }
    return entries;
}

std::u16string AsciiLower(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& c : lower) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c + (u'a' - u'A'));
        }
    }
    return lower;
}

// The name with the chosen filter's extension, unless it ends in it already (in any case).
platform::Path WithExtension(platform::Path name, std::u16string_view extension) {
    const std::size_t tail = name.size() < extension.size() ? 0 : name.size() - extension.size();
    if (!extension.empty() && AsciiLower(std::u16string_view(name).substr(tail)) != extension) {
        name += extension;
    }
    return name;
}

exporting::Table ReadGrid(Controls& controls, ControlRef gridId) {
    exporting::Table table;
    const int columns = CountColumns(controls, gridId);
    const int rows = controls.GridRowCount(gridId);
    for (int column = 0; column < columns; ++column) {
        table.titles.push_back(controls.GridColumnTitle(gridId, column));
    }
    for (int row = 0; row < rows; ++row) {
        std::vector<std::u16string>& cells = table.rows.emplace_back();
        for (int column = 0; column < columns; ++column) {
            cells.push_back(controls.GridCellText(gridId, row, column));
        }
    }
    return table;
}

}  // namespace

int CountColumns(Controls& controls, ControlRef gridId) {
    return controls.GridColumnCount(gridId);
}

void ExportList(Desktop& desktop, ControlRef gridId, std::int64_t format, bool confirm,
                exporting::TableFormat kind) {
    const KindTexts& texts = TextsOf(kind);
    const std::optional<SaveDialogAnswer> answer =
        desktop.ShowSaveDialog({std::u16string(texts.title), std::u16string(texts.defaultName),
                                ParseFilterList(texts.filterList)});
    if (!answer) {
        return;
    }
    platform::Path name = answer->path;
    while (!name.empty() && name.back() == u' ') {
        name.pop_back();
    }
    if (name.empty() || answer->filterIndex >= texts.extensions.size()) {
        return;
    }
    name = WithExtension(std::move(name), texts.extensions[answer->filterIndex]);

    const std::u16string shown = platform::ReadableText(name);
    if (platform::FolderExists(name)) {
        ShowError(desktop, u"Error", u"File '" + shown + u"' is a directory!");
        return;
    }
    if (platform::PathExists(name) &&
        !AskYesNo(desktop, u"Overwrite File",
                  u"File " + shown + u" already exists! Do you want to overwrite it?")) {
        return;
    }
    const std::u16string text = exporting::TableText(ReadGrid(desktop, gridId), texts.format);
    // What an export stopped half-way left in that folder goes now.
    platform::RemoveInterruptedSaves(name);
    std::u16string reason;
    if (!platform::ReplaceFileContent(
            name, platform::EncodeText(text, digest::ExportEncoding(format)), &reason)) {
        ShowError(desktop, u"Error", u"File '" + shown + u"' could not be written: " + reason);
        return;
    }
    if (confirm) {
        ShowInformation(desktop, u"Success", std::u16string(texts.success));
    }
}

void ExportCommand(Desktop& desktop, std::int64_t format, exporting::TableFormat kind) {
    if (desktop.GridRowCount(MainControl::FileGrid) == 0) {
        ShowError(desktop, u"No Data", u"There is nothing to export!");
        return;
    }
    ExportList(desktop, MainControl::FileGrid, format, true, kind);
}

}  // namespace hashwell::core
