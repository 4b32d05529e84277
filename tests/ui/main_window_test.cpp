// The real main window, driven offscreen: what only the Qt widgets can show (ids, names,
// places, texts, resizing, the right-button rule) and that the list run reaches the grid.

#include <QCheckBox>
#include <QCryptographicHash>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QProgressBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include "core/desktop/ids.h"
#include "core/list/file_list_run.h"
#include "core/verify/verify_run.h"
#include "core/windows/control_anchors.h"
#include "core/windows/main_window_controls.h"
#include "core/windows/skin.h"
#include "digest/registry.h"
#include "support/events.h"
#include "ui/qt_desktop.h"
#include "widget_table.h"

namespace hashwell::ui {

using test::ControlEvent;
using test::MenuEvent;

namespace {

// Counts the paint events a widget receives while it lives.
class PaintCounter : public QObject {
public:
    PaintCounter(QWidget* widget, int& count) : count_(count) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count_ += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

private:
    int& count_;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { digest::RegisterDigestMethods(); }

    void init() {
        desktop_ = std::make_unique<QtDesktop>();
        // Mouse movements come with every click of QTest; the program test covers them.
        desktop_->SetEventHandler([this](const core::Event& e) {
            if (e.kind != core::EventKind::MouseMove) {
                events_.push_back(e);
            }
        });
        desktop_->SetMessageBoxAnswerer(
            [](const core::MessageBoxRequest&) { return core::MessageAnswer::Ok; });
        QVERIFY(desktop_->BuildMainWindow());
        anchors_ = {};
        anchors_.Register(*desktop_, core::MainWindowSpec());
        desktop_->SetResizeHandler(
            [this](core::WindowId window) { anchors_.Reanchor(*desktop_, window); });
        if (QByteArray(QTest::currentTestFunction()) !=
            "windowMaximisedAsItAppearsMovesAndGrowsExactlyTheAnchoredControls") {
            desktop_->ShowWindow(core::WindowId::MainWindow);
        }
        events_.clear();
    }

    void cleanup() { desktop_.reset(); }

    void everyControlStandsAsItsTableSays() {
        CheckWidgetsAgainstTable(*desktop_, core::MainWindowSpec());
        auto* tabs = qobject_cast<QTabWidget*>(desktop_->Control(core::MainControl::TabPanel));
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(2), QStringLiteral("List of Files"));
        QCOMPARE(desktop_->Control(core::MainControl::FileGrid)->parentWidget(), tabs->widget(2));
    }

    void menuBarHoldsItsTitlesAndItemsInOrder() {
        QStringList actual;
        for (QAction* title : desktop_->MainWindow()->menuBar()->actions()) {
            for (QAction* item : title->menu()->actions()) {
                actual << title->text() + u'|' + item->objectName() + u'|' + item->text();
            }
        }
        QStringList expected;
        for (const core::MenuItemSpec& item : core::MainMenuItems()) {
            expected << QString::fromUtf8(item.title) + u'|' + QString::fromUtf8(item.name) + u'|' +
                            QString::fromUtf8(item.text);
        }
        QCOMPARE(actual, expected);
        QCOMPARE(actual.first(), QStringLiteral("File|MenuOpen|Open"));
        QCOMPARE(actual.last(), QStringLiteral("Help|MenuAbout|About"));
        QCOMPARE(actual.at(2), QStringLiteral("File|MenuOpenFolder|Open Folder"));
        QCOMPARE(actual.at(3), QStringLiteral("File|MenuVerifyChecksumFile|Verify Checksum File"));
        QCOMPARE(actual.at(7),
                 QStringLiteral("Edit|MenuCompareWithClipboard|Compare with Clipboard"));
        QCOMPARE(desktop_->MainWindow()->windowTitle(), QStringLiteral("Hashwell"));
    }

    void windowMaximisedAsItAppearsMovesAndGrowsExactlyTheAnchoredControls() {
        // As a window manager may do: the window comes up with another size than it was built.
        const core::Size built = desktop_->ClientSize(core::WindowId::MainWindow);
        desktop_->MainWindow()->setWindowState(Qt::WindowMaximized);
        desktop_->ShowWindow(core::WindowId::MainWindow);
        const core::Size now = desktop_->ClientSize(core::WindowId::MainWindow);
        const int dx = now.width - built.width, dy = now.height - built.height;
        QVERIFY(dx > 0 && dy > 0);
        for (const core::ControlSpec& row : core::MainWindowSpec().controls) {
            QRect expected(row.x, row.y, row.width, row.height);
            expected.translate(row.anchors & core::Anchor::FollowRight ? dx : 0,
                               row.anchors & core::Anchor::FollowBottom ? dy : 0);
            expected.setWidth(expected.width() + (row.anchors & core::Anchor::GrowWidth ? dx : 0));
            expected.setHeight(expected.height() +
                               (row.anchors & core::Anchor::GrowHeight ? dy : 0));
            QCOMPARE(desktop_->Control(row.control)->geometry(), expected);
        }
        // The grid grows with the window; the options follow its bottom edge.
        QCOMPARE(desktop_->Control(core::MainControl::FileGrid)->width(), 550 + dx);
        QCOMPARE(desktop_->Control(core::MainControl::OptionSha3)->y(), 425 + dy);
    }

    void windowCannotShrinkBelowItsFirstSize() {
        QMainWindow* window = desktop_->MainWindow();
        QCOMPARE(window->size(), QSize(598, 499));
        window->resize(300, 200);
        QCOMPARE(window->size(), QSize(598, 499));
    }

    void rightButtonOpensTheMenuOfTheFocusedBoxOnly() {
        QMainWindow* window = desktop_->MainWindow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget* input = desktop_->Control(core::MainControl::TextInput);
        QWidget* codeBox = desktop_->Control(core::MainControl::TextHashBox);
        const QPoint overCodeBox = codeBox->mapTo(window, codeBox->rect().center());

        input->setFocus();
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, overCodeBox);
        QCoreApplication::processEvents();
        const core::Event expected =
            ControlEvent(core::MainControl::TextInput, core::EventType::RightClick);
        QCOMPARE(events_.size(), std::size_t{1});
        QVERIFY(events_[0] == expected);
        QCOMPARE(QApplication::focusWidget(), input);

        // One event per press, also for the two presses of a double click.
        QTest::mouseDClick(window->windowHandle(), Qt::RightButton, {}, overCodeBox);
        QCoreApplication::processEvents();
        QCOMPARE(events_.size(), std::size_t{3});
        QVERIFY(events_[2] == expected);

        desktop_->Control(core::MainControl::ButtonOpen)->setFocus();
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, overCodeBox);
        QCoreApplication::processEvents();
        QCOMPARE(events_.size(), std::size_t{3});
    }

    void drainingAndRepaintingWhileBusyActOnNoClickButDrainingKeepsTheLastId() {
        auto* sha2 =
            qobject_cast<QAbstractButton*>(desktop_->Control(core::MainControl::OptionSha2));
        const QPoint centre = sha2->rect().center();
        const auto click = [&] {
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QCoreApplication::postEvent(
                    sha2, new QMouseEvent(type, centre, sha2->mapToGlobal(centre), Qt::LeftButton,
                                          Qt::LeftButton, Qt::NoModifier));
            }
        };
        click();
        int paints = 0;
        PaintCounter counter(desktop_->Control(core::MainControl::ButtonCalculate), paints);
        desktop_->Control(core::MainControl::ButtonCalculate)->update();
        desktop_->RepaintWindows();
        QVERIFY(paints > 0);
        click();
        desktop_->PostEvent(MenuEvent(core::MenuItem::ItemCopyText));
        const std::vector<core::Event> drained = desktop_->DrainEvents();
        QVERIFY(!sha2->isChecked());
        QVERIFY(events_.empty());
        QCOMPARE(drained.size(), std::size_t{1});
        QCOMPARE(drained[0].objectId, static_cast<int>(core::MenuItem::ItemCopyText));
    }

    void builtWindowIsInFrontAndTakesItsSkinBelowTheMenuBar() {
        QVERIFY(desktop_->IsForegroundWindow(core::WindowId::MainWindow));
        const QColor menuColour =
            desktop_->MainWindow()->menuBar()->palette().color(QPalette::Window);
        core::ApplySkin(*desktop_, core::WindowId::MainWindow, 2);
        QCOMPARE(desktop_->MainWindow()->centralWidget()->palette().color(QPalette::Window),
                 QColor(192, 192, 192));
        QCOMPARE(desktop_->MainWindow()->menuBar()->palette().color(QPalette::Window), menuColour);
    }

    void escapeDuringARealRunStopsItAndABoxSaysHowFarItCame() {
        QTemporaryDir folder;
        QFile large(folder.filePath(QStringLiteral("large.bin")));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(qint64{2} << 30));  // sparse
        large.close();
        std::vector<core::MessageBoxRequest> boxes;
        desktop_->SetMessageBoxAnswerer([&boxes](const core::MessageBoxRequest& box) {
            boxes.push_back(box);
            return core::MessageAnswer::Ok;
        });
        QTimer::singleShot(200, desktop_->MainWindow(),
                           [this] { QTest::keyClick(desktop_->MainWindow(), Qt::Key_Escape); });
        core::EventRecord events;
        core::FileListRun(*desktop_, events, 0, u"lower", core::FileListColumns(),
                          {large.fileName().toStdU16String()});
        QCOMPARE(boxes.size(), std::size_t{1});
        QCOMPARE(boxes[0].text, std::u16string(u"Stopped after 0 of 1 files."));
        QVERIFY(desktop_->Control(core::MainControl::ProgressBar)->isHidden());
    }

    void verifyRunFillsFourColumnsAndDrawsTheFailedRowInRed() {
        QTemporaryDir folder;
        QFile(folder.filePath(QStringLiteral("empty"))).open(QIODevice::WriteOnly);
        QFile sums(folder.filePath(QStringLiteral("SHA256SUMS")));
        QVERIFY(sums.open(QIODevice::WriteOnly));
        const QByteArray emptyCode = QCryptographicHash::hash({}, QCryptographicHash::Sha256);
        sums.write(emptyCode.toHex() + "  empty\n" + QByteArray(64, '0') + "  empty\n");
        sums.close();
        core::EventRecord events;
        core::VerifyChecksumFile(*desktop_, events, sums.fileName().toStdU16String(), u"lower");
        const QAbstractItemModel& model =
            *qobject_cast<QTableView*>(desktop_->Control(core::MainControl::FileGrid))->model();
        QCOMPARE(model.columnCount(), 4);
        QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Status"));
        QCOMPARE(model.index(1, 3).data().toString(), QStringLiteral("FAILED"));
        QVERIFY(!model.index(0, 0).data(Qt::ForegroundRole).isValid());
        QCOMPARE(model.index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(192, 0, 0));
    }

    void listRunFillsTheGridOfTheRealWindow() {
        QTemporaryDir folder;
        QFile empty(folder.filePath(QStringLiteral("empty.bin")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        const core::Size client = desktop_->ClientSize(core::WindowId::MainWindow);
        core::EventRecord events;
        QCOMPARE(core::FileListRun(*desktop_, events, client.width, u"UPPER",
                                   core::FileListColumns(), {empty.fileName().toStdU16String()}),
                 1);
        auto* grid = qobject_cast<QTableView*>(desktop_->Control(core::MainControl::FileGrid));
        const QAbstractItemModel& model = *grid->model();
        const auto cell = [&model](int row, int column) {
            return model.index(row, column).data().toString();
        };
        QCOMPARE(model.columnCount(), 6);
        QCOMPARE(model.headerData(5, Qt::Horizontal).toString(), QStringLiteral("SHA-3-256"));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(cell(0, 0), empty.fileName());
        QCOMPARE(cell(0, 2), QStringLiteral("D41D8CD98F00B204E9800998ECF8427E"));
        QVERIFY(desktop_->Control(core::MainControl::ProgressBar)->isHidden());
        QCOMPARE(
            qobject_cast<QProgressBar*>(desktop_->Control(core::MainControl::ProgressBar))->value(),
            100);

        // Enlarged, as the box asks, the window shows whole codes; the user's own width stays.
        const int builtWidths[] = {360, 180, 180, 180, 180, 180};
        for (int column = 0; column < 6; ++column) {
            QCOMPARE(grid->columnWidth(column), builtWidths[column]);
        }
        desktop_->ShowTab(2);
        grid->horizontalHeader()->resizeSection(3, 100);
        desktop_->MainWindow()->resize(1800, 700);
        QCoreApplication::processEvents();
        QCOMPARE(grid->columnWidth(1), 180);  // a CRC-32 needs no more
        for (const int column : {2, 4, 5}) {
            const QString code = cell(0, column);
            QVERIFY(grid->columnWidth(column) > grid->fontMetrics().horizontalAdvance(code) + 6);
        }
        QCOMPARE(grid->columnWidth(3), 100);
        // Back at its first size, the columns are as they were built.
        desktop_->MainWindow()->resize(desktop_->MainWindow()->minimumSize());
        QCoreApplication::processEvents();
        QCOMPARE(grid->columnWidth(4), 180);
    }

private:
    std::unique_ptr<QtDesktop> desktop_;
    core::ControlAnchors anchors_;
    std::vector<core::Event> events_;
};

}  // namespace hashwell::ui

QTEST_MAIN(hashwell::ui::MainWindowTest)
#include "main_window_test.moc"
