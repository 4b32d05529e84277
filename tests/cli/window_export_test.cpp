// The CSV and TSV output of the five codes of the list run is the window's export of the same
// files, byte for byte.

#include <gtest/gtest.h>

#include "cli/run_program.h"
#include "core/desktop/ids.h"
#include "core/list/export_list.h"
#include "core/list/file_list_run.h"
#include "digest/registry.h"
#include "platform/unicode.h"
#include "support/fake_desktop.h"
#include "support/scratch_folder.h"

namespace hashwell::cli {
namespace {

TEST(TableOutput, IsTheWindowsExportOfTheSameFiles) {
    digest::RegisterDigestMethods();
    const test::ScratchFolder folder;
    std::vector<std::string> arguments = {"-a", "crc32,md5,sha1,sha256,sha3-256", "--format", ""};
    std::vector<std::u16string> windowPaths;
    for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"plain.txt", "abc"},
                                      {"comma, \"quoted\"", "x"},
                                      {"tab\there", ""},
                                      {"bytes \xff", std::string(70000, 'y')}}) {
        arguments.push_back(folder.Write(name, bytes).string());
        windowPaths.push_back(platform::DecodeNativeBytes(arguments.back()));
    }
    test::FakeDesktop desktop;
    desktop.clientSize.width = 1000;
    core::EventRecord events;
    ASSERT_EQ(
        core::FileListRun(desktop, events, 598, u"lower", core::FileListColumns(), windowPaths), 1);
    const struct {
        exporting::TableFormat kind;
        std::string format;
        std::string exportName;  // with the extension of the dialog's first file type
    } kinds[] = {{exporting::TableFormat::Csv, "csv", "export.csv"},
                 {exporting::TableFormat::Tsv, "tsv", "export.txt"}};
    for (const auto& [kind, format, exportName] : kinds) {
        desktop.saveAnswers.push_back({folder.PathOf(exportName), 0});
        core::ExportList(desktop, core::MainControl::FileGrid, 2, false, kind);
        arguments[3] = format;
        EXPECT_EQ(test::RunCli(arguments, folder.path()).out, folder.Read(exportName)) << format;
    }
}

}  // namespace
}  // namespace hashwell::cli
