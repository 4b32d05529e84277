// The CSV and TSV output of the five codes of the list run is the window's export of the same
// files, byte for byte.

#include "cli/cli_fixture.h"
#include "core/desktop/ids.h"
#include "core/list/export_list.h"
#include "core/list/file_list_run.h"
#include "digest/registry.h"
#include "platform/unicode.h"
#include "support/fake_desktop.h"

namespace hashwell::cli {
namespace {

TEST_F(CliTest, TableOutputIsTheWindowsExportOfTheSameFiles) {
    digest::RegisterDigestMethods();
    const std::vector<std::string> names = WriteFiles({{"plain.txt", "abc"},
                                                       {"comma, \"quoted\"", "x"},
                                                       {"tab\there", ""},
                                                       {"bytes \xff", std::string(70000, 'y')}});
    std::vector<std::string> paths;
    std::vector<std::u16string> windowPaths;
    for (const std::string& name : names) {
        paths.push_back((folder_.path() / name).string());
        windowPaths.push_back(platform::DecodeNativeBytes(paths.back()));
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
        desktop.saveAnswers.push_back({folder_.PathOf(exportName), 0});
        core::ExportList(desktop, core::MainControl::FileGrid, 2, false, kind);
        const test::ProgramRun run =
            Cli(Joined({"-a", "crc32,md5,sha1,sha256,sha3-256", "--format", format}, paths));
        EXPECT_EQ(run.out, folder_.Read(exportName)) << format;
    }
}

}  // namespace
}  // namespace hashwell::cli
