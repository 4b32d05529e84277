// The real main window, driven offscreen: what only the Qt widgets can show (ids, names,
// places, texts, resizing, the right-button rule) and that the list run reaches the grid.

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QProgressBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include "core/app/ids.h"
#include "core/list/file_list_run.h"
#include "core/windows/control_anchors.h"
#include "core/windows/skin.h"
#include "digest/registry.h"
#include "ui/control_colors.h"
#include "ui/qt_desktop.h"
#include "widget_table.h"

namespace hashwell::ui {
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
        desktop_->SetMessageBoxAnswerer([this](const core::MessageBoxRequest& box) {
            boxes_.push_back(box);
            return core::MessageAnswer::Ok;
        });
        QVERIFY(desktop_->BuildMainWindow());
        anchors_ = {};
        core::RegisterMainWindowAnchors(*desktop_, anchors_);
        desktop_->SetResizeHandler([this](int window) { anchors_.Reanchor(*desktop_, window); });
        if (QByteArray(QTest::currentTestFunction()) !=
            "windowMaximisedAsItAppearsHasItsControlsFillIt") {
            desktop_->ShowWindow(core::WindowId::MainWindow);
        }
        events_.clear();
        boxes_.clear();
    }

    void cleanup() { desktop_.reset(); }

    void everyControlHasItsIdNamePlaceTextAndToolTip() {
        const QWidget* client = desktop_->MainWindow()->centralWidget();
        auto* tabs = qobject_cast<QTabWidget*>(desktop_->Control(core::ControlId::TabPanel));
        for (const QStringList& row : ReadTable(QStringLiteral("ui/main_window_controls.tsv"))) {
            QWidget* control = desktop_->Control(row[0].toInt());
            QVERIFY2(control != nullptr, qPrintable(row[1]));
            QCOMPARE(control->objectName(), row[1]);
            QCOMPARE(control->property("hashwellId").toInt(), row[0].toInt());
            const QWidget* page =
                row[2] == u"window" ? client : tabs->widget(row[2].back().digitValue());
            QCOMPARE(control->parentWidget(), page);
            QCOMPARE(control->geometry(),
                     QRect(row[3].toInt(), row[4].toInt(), row[5].toInt(), row[6].toInt()));
            QCOMPARE(TextOf(control), row[7]);
            QCOMPARE(control->toolTip(), row[8]);
        }
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(2), QStringLiteral("List of Files"));
        const QFont font = desktop_->Control(core::ControlId::ButtonCalculate)->font();
        QCOMPARE(font.family(), QStringLiteral("Arial Narrow"));
        QCOMPARE(font.pointSize(), 10);
        QVERIFY(font.bold());
    }

    void menuBarHoldsItsTitlesAndItemsInOrder() {
        QStringList expected, actual;
        for (const QStringList& row : ReadTable(QStringLiteral("ui/main_menu.tsv"))) {
            expected << row.join(u'|');
        }
        for (QAction* title : desktop_->MainWindow()->menuBar()->actions()) {
            for (QAction* item : title->menu()->actions()) {
                actual << QStringList{title->text(), item->property("hashwellId").toString(),
                                      item->objectName(), item->text()}
                              .join(u'|');
            }
        }
        QCOMPARE(actual, expected);
        QCOMPARE(desktop_->MainWindow()->windowTitle(), QStringLiteral("Hashwell"));
    }

    void maximisingMovesAndGrowsExactlyTheAnchoredControls() {
        const QList<QStringList> table = ReadTable(QStringLiteral("ui/main_window_controls.tsv"));
        std::map<int, QRect> before;
        for (const QStringList& row : table) {
            before[row[0].toInt()] = desktop_->Control(row[0].toInt())->geometry();
        }
        const core::Size start = desktop_->ClientSize(core::WindowId::MainWindow);
        desktop_->MainWindow()->showMaximized();
        QTRY_VERIFY(desktop_->ClientSize(core::WindowId::MainWindow) != start);
        const core::Size now = desktop_->ClientSize(core::WindowId::MainWindow);
        const int dx = now.width - start.width, dy = now.height - start.height;
        QVERIFY(dx > 0 && dy > 0);
        for (const QStringList& row : table) {
            const int flags = row[9].toInt();
            QRect expected = before[row[0].toInt()];
            expected.translate(flags & core::AnchorFollowRight ? dx : 0,
                               flags & core::AnchorFollowBottom ? dy : 0);
            expected.setWidth(expected.width() + (flags & core::AnchorGrowWidth ? dx : 0));
            expected.setHeight(expected.height() + (flags & core::AnchorGrowHeight ? dy : 0));
            QCOMPARE(desktop_->Control(row[0].toInt())->geometry(), expected);
        }
    }

    void windowMaximisedAsItAppearsHasItsControlsFillIt() {
        // As a window manager may do: the window comes up with another size than it was built.
        const core::Size built = desktop_->ClientSize(core::WindowId::MainWindow);
        desktop_->MainWindow()->setWindowState(Qt::WindowMaximized);
        desktop_->ShowWindow(core::WindowId::MainWindow);
        const core::Size client = desktop_->ClientSize(core::WindowId::MainWindow);
        QVERIFY(client.width > 598);
        const QRect panel = desktop_->Control(core::ControlId::TabPanel)->geometry();
        QCOMPARE(panel.right(), client.width - 1 - (built.width - (10 + 575)));
        QCOMPARE(desktop_->Control(core::ControlId::OptionSha3)->y(),
                 client.height - (built.height - 425));
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
        QWidget* input = desktop_->Control(core::ControlId::TextInput);
        QWidget* codeBox = desktop_->Control(core::ControlId::TextHashBox);
        const QPoint overCodeBox = codeBox->mapTo(window, codeBox->rect().center());

        input->setFocus();
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, overCodeBox);
        QCoreApplication::processEvents();
        const core::Event expected{core::EventKind::Control, core::ControlId::TextInput,
                                   core::WindowId::MainWindow, core::EventType::RightClick};
        QCOMPARE(events_.size(), std::size_t{1});
        QVERIFY(events_[0] == expected);
        QCOMPARE(QApplication::focusWidget(), input);

        // One event per press, also for the two presses of a double click.
        QTest::mouseDClick(window->windowHandle(), Qt::RightButton, {}, overCodeBox);
        QCoreApplication::processEvents();
        QCOMPARE(events_.size(), std::size_t{3});
        QVERIFY(events_[2] == expected);

        desktop_->Control(core::ControlId::ButtonOpen)->setFocus();
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, overCodeBox);
        QCoreApplication::processEvents();
        QCOMPARE(events_.size(), std::size_t{3});
    }

    void drainingThrowsAwayClicksAndEventsButKeepsTheLastId() {
        auto* sha2 = qobject_cast<QAbstractButton*>(desktop_->Control(core::ControlId::OptionSha2));
        const QPoint centre = sha2->rect().center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                sha2, new QMouseEvent(type, centre, sha2->mapToGlobal(centre), Qt::LeftButton,
                                      Qt::LeftButton, Qt::NoModifier));
        }
        desktop_->PostEvent({core::EventKind::Menu, core::MenuId::ItemCopyText,
                             core::WindowId::MainWindow, core::EventType::LeftClick});
        const std::vector<core::Event> drained = desktop_->DrainEvents();
        QVERIFY(!sha2->isChecked());
        QVERIFY(events_.empty());
        QCOMPARE(drained.size(), std::size_t{1});
        QCOMPARE(drained[0].objectId, core::MenuId::ItemCopyText);
    }

    void repaintingWhileBusyDrawsTheWindowButActsOnNoClick() {
        auto* sha2 = qobject_cast<QAbstractButton*>(desktop_->Control(core::ControlId::OptionSha2));
        const QPoint centre = sha2->rect().center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                sha2, new QMouseEvent(type, centre, sha2->mapToGlobal(centre), Qt::LeftButton,
                                      Qt::LeftButton, Qt::NoModifier));
        }
        int paints = 0;
        PaintCounter counter(desktop_->Control(core::ControlId::ButtonCalculate), paints);
        desktop_->Control(core::ControlId::ButtonCalculate)->update();
        desktop_->RepaintWindows();
        QVERIFY(paints > 0);
        QVERIFY(!sha2->isChecked());
        QVERIFY(events_.empty());
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
        auto* grid = qobject_cast<QTableWidget*>(desktop_->Control(core::ControlId::FileGrid));
        QCOMPARE(grid->columnCount(), 6);
        QCOMPARE(grid->horizontalHeaderItem(5)->text(), QStringLiteral("SHA-3-256"));
        QCOMPARE(grid->columnWidth(0), 360);
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->item(0, 0)->text(), empty.fileName());
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("D41D8CD98F00B204E9800998ECF8427E"));
        QVERIFY(desktop_->Control(core::ControlId::ProgressBar)->isHidden());
        QCOMPARE(
            qobject_cast<QProgressBar*>(desktop_->Control(core::ControlId::ProgressBar))->value(),
            100);
        QCOMPARE(boxes_.size(), std::size_t{1});
        QCOMPARE(boxes_[0].title, std::u16string(u"Window Size"));

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
            const QString code = grid->item(0, column)->text();
            QVERIFY(grid->columnWidth(column) > grid->fontMetrics().horizontalAdvance(code) + 6);
        }
        QCOMPARE(grid->columnWidth(3), 100);
        // Back at its first size, the columns are as they were built.
        desktop_->MainWindow()->resize(desktop_->MainWindow()->minimumSize());
        QCoreApplication::processEvents();
        QCOMPARE(grid->columnWidth(4), 180);
    }

    void controlColoursApplyAndReplaceEarlierOnes() {
        QCheckBox box;
        ControlColors colors;
        colors.Set(56, &box, Qt::black, RgbValue(192, 192, 192));
        QCOMPARE(box.palette().color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(box.autoFillBackground());
        colors.Set(56, &box, Qt::blue, kHollowBackground);
        QCOMPARE(box.palette().color(QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(!box.autoFillBackground());
    }

private:
    std::unique_ptr<QtDesktop> desktop_;
    core::ControlAnchors anchors_;
    std::vector<core::Event> events_;
    std::vector<core::MessageBoxRequest> boxes_;
};

}  // namespace hashwell::ui

QTEST_MAIN(hashwell::ui::MainWindowTest)
#include "main_window_test.moc"
