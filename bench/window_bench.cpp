// The real main window, offscreen, over runs a person controls: a folder of many empty files
// hashed into the grid (from the start of the run to the last row shown, then scrolled to the
// end and exported), beside hashwell-cli over the same folder, with the peak memory of each;
// verifying 2,000 files of 64 KiB beside hashwell-cli -c; and how soon Escape stops a run on a
// 4 GiB file, in the grid and on the File tab.
//   window_bench HASHWELL_CLI [scratch folder] [number of files]
// (run offscreen: QT_QPA_PLATFORM=offscreen)

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/app/startup.h"
#include "core/list/export_list.h"
#include "core/list/file_list_run.h"
#include "core/main_window/calculate.h"
#include "core/shared/app_state.h"
#include "core/verify/verify_run.h"
#include "settings/settings_location.h"
#include "ui/qt_desktop.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using hashwell::core::MainControl;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double PeakMegabytes(int who) {
    rusage usage{};
    ::getrusage(who, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void MakeEmptyFiles(const fs::path& folder, int count) {
    constexpr int kPerFolder = 1000;
    for (int i = 0; i < count; ++i) {
        const fs::path sub = folder / ("d" + std::to_string(i / kPerFolder));
        if (i % kPerFolder == 0) {
            fs::create_directories(sub);
        }
        std::ofstream(sub / ("f" + std::to_string(i)));
    }
}

// hashwell-cli over the folder with the grid's five codes, its output thrown away: the wall
// time, and the child's peak memory in MB.
std::pair<double, double> TimeCli(const char* cli, const fs::path& folder) {
    std::fflush(stdout);
    const Clock::time_point start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::execl(cli, cli, "-a", "crc32,md5,sha1,sha256,sha3-256", "-r", folder.c_str(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return {SecondsSince(start), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// hashwell-cli run in `folder` with `arguments`, its output to `output`: the wall time.
double RunCliIn(const char* cli, const fs::path& folder, const std::vector<std::string>& arguments,
                const char* output) {
    std::fflush(stdout);  // the child must not print what this process has not yet
    const Clock::time_point start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) != 0 || std::freopen(output, "w", stdout) == nullptr) {
            ::_exit(127);
        }
        std::vector<char*> argv{const_cast<char*>(cli)};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(cli, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return SecondsSince(start);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Presses Escape after `delay`, as a person would while the run keeps the window busy; the
// moment it was pressed goes to `pressed`.
void PressEscapeAfter(std::chrono::milliseconds delay, Clock::time_point& pressed) {
    QTimer::singleShot(delay, [&pressed] {
        pressed = Clock::now();
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                                 : QApplication::activeWindow();
        QApplication::postEvent(
            target != nullptr ? target : QApplication::topLevelWidgets().front(),
            new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    });
}

// Answers the Save dialog of an export with `path`, once it is shown.
void AnswerSaveDialog(const fs::path& path) {
    QTimer::singleShot(50, [path] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(QString::fromStdString(path.string()));
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        } else {
            AnswerSaveDialog(path);
        }
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_bench HASHWELL_CLI [scratch folder] [files]\n");
        return 2;
    }
    const fs::path scratch =
        argc > 2 && argv[2][0] != '\0' ? fs::path(argv[2]) : fs::temp_directory_path();
    const int count = argc > 3 ? std::stoi(argv[3]) : 100000;
    const fs::path root = scratch / "hashwell-window-bench";
    fs::remove_all(root);
    const fs::path folder = root / "files";
    MakeEmptyFiles(folder, count);

    QApplication application(argc, argv);
    hashwell::ui::QtDesktop desktop;
    Clock::time_point stopped{};
    desktop.SetMessageBoxAnswerer([&stopped](const hashwell::core::MessageBoxRequest& box) {
        if (box.title == u"Stopped") {
            stopped = Clock::now();
        }
        return box.buttons == hashwell::core::MessageButtons::YesNo
                   ? hashwell::core::MessageAnswer::Yes
                   : hashwell::core::MessageAnswer::Ok;
    });
    hashwell::core::AppState state;
    const hashwell::settings::SettingsEnvironment environment{
        (root / "hashwell").u16string(), [](std::u16string_view) { return std::nullopt; }};
    if (!hashwell::core::StartUp(desktop, state, environment, {})) {
        std::fprintf(stderr, "the main window could not be built\n");
        return 1;
    }
    auto* grid = qobject_cast<QTableView*>(desktop.Control(MainControl::FileGrid));

    // Many files: the run, the grid scrolled to its last row, the export.
    const Clock::time_point start = Clock::now();
    hashwell::core::FileListRun(desktop, state.events, state.startWidth, state.settings.Case,
                                hashwell::core::FileListColumns(), {folder.u16string()});
    QApplication::processEvents();
    const double run = SecondsSince(start);
    const Clock::time_point scrolling = Clock::now();
    grid->scrollToBottom();
    QApplication::processEvents();
    const double scroll = SecondsSince(scrolling);
    const Clock::time_point exporting = Clock::now();
    AnswerSaveDialog(root / "grid.csv");
    hashwell::core::ExportList(desktop, MainControl::FileGrid, state.settings.Format, false,
                               hashwell::exporting::TableFormat::Csv);
    const double exported = SecondsSince(exporting);
    const double windowPeak = PeakMegabytes(RUSAGE_SELF);
    const auto [cli, cliPeak] = TimeCli(argv[1], folder);

    std::printf("%d empty files in %d folders (rows shown: %d)\n", count, (count + 999) / 1000,
                desktop.GridRowCount(MainControl::FileGrid));
    std::printf("  window run to the last row shown  %7.2f s\n", run);
    std::printf("  hashwell-cli, the same five codes %7.2f s  (window / cli: %.2f)\n", cli,
                run / cli);
    std::printf("  scrolling to the last row         %7.3f s\n", scroll);
    std::printf("  exporting the grid to CSV         %7.2f s\n", exported);
    std::printf("  peak memory: window %.0f MB, hashwell-cli %.0f MB\n", windowPeak, cliPeak);
    fs::remove_all(folder);

    // Verifying 2,000 files of 64 KiB against their SHA256SUMS, beside hashwell-cli -c; each side
    // five times in turn, the medians.
    const fs::path verified = root / "verified";
    fs::create_directories(verified);
    std::vector<char> bytes(64 * 1024);
    for (int i = 0; i < 2000; ++i) {
        for (char& byte : bytes) {
            byte = static_cast<char>(std::rand());
        }
        std::ofstream(verified / ("f" + std::to_string(i)), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    // Written beside the folder first, so that the list does not name itself.
    const std::string cliPath = fs::absolute(argv[1]).string();
    RunCliIn(cliPath.c_str(), verified, {"-a", "sha256", "-r", "."}, "../SHA256SUMS");
    fs::rename(root / "SHA256SUMS", verified / "SHA256SUMS");
    std::vector<double> windowTimes;
    std::vector<double> cliTimes;
    for (int round = 0; round < 5; ++round) {
        const Clock::time_point verifying = Clock::now();
        hashwell::core::VerifyChecksumFile(
            desktop, state.events, (verified / "SHA256SUMS").u16string(), state.settings.Case);
        QApplication::processEvents();
        windowTimes.push_back(SecondsSince(verifying));
        cliTimes.push_back(RunCliIn(cliPath.c_str(), verified, {"-c", "SHA256SUMS"}, "/dev/null"));
    }
    std::printf("verifying 2,000 x 64 KiB (rows shown: %d)\n",
                desktop.GridRowCount(MainControl::FileGrid));
    std::printf("  window %.3f s, hashwell-cli -c %.3f s  (window / cli: %.2f)\n",
                Median(windowTimes), Median(cliTimes), Median(windowTimes) / Median(cliTimes));
    fs::remove_all(verified);

    // One large file: how long from Escape to the end of the run.
    const fs::path large = root / "large.bin";
    std::ofstream(large).close();
    fs::resize_file(large, std::uintmax_t{4} << 30);  // sparse: read as fast as the cache
    Clock::time_point pressed{};
    PressEscapeAfter(std::chrono::milliseconds(1000), pressed);
    hashwell::core::FileListRun(desktop, state.events, state.startWidth, state.settings.Case,
                                hashwell::core::FileListColumns(), {large.u16string()});
    std::printf("4 GiB file: Escape to the \"Stopped\" box, list run  %5.0f ms\n",
                std::chrono::duration<double, std::milli>(stopped - pressed).count());

    desktop.ShowTab(hashwell::core::TabIndex::File);
    state.currentTab = hashwell::core::TabIndex::File;
    desktop.SetControlText(MainControl::FileNameBox, large.u16string());
    state.fileToHash = large.u16string();
    PressEscapeAfter(std::chrono::milliseconds(1000), pressed);
    hashwell::core::CalculateCommand(desktop, state);
    std::printf("4 GiB file: Escape to the end of Calculate, File tab %5.0f ms\n",
                std::chrono::duration<double, std::milli>(Clock::now() - pressed).count());
    fs::remove_all(root);
    return 0;
}
