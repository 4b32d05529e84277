// The About and Preferences windows as Qt builds them: every control by its name, in its place,
// with its text, font and tool tip; fixed sizes; and clicks that reach the core.

#include <QCheckBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>

#include "core/desktop/ids.h"
#include "core/windows/about_controls.h"
#include "core/windows/help_topics.h"
#include "core/windows/preferences_controls.h"
#include "platform/unicode.h"
#include "support/events.h"
#include "ui/help_window.h"
#include "ui/qt_desktop.h"
#include "widget_table.h"

namespace hashwell::ui {

using test::ControlEvent;
using test::MenuEvent;

class WindowsTest : public QObject {
    Q_OBJECT

private:
    void CheckWindow(const core::WindowSpec& spec) {
        QWidget* window = desktop_->Registry().Window(spec.window);
        QVERIFY(window != nullptr);
        QCOMPARE(window->minimumSize(), QSize(spec.width, spec.height));
        QCOMPARE(window->maximumSize(), QSize(spec.width, spec.height));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(window->parentWidget(), static_cast<QWidget*>(desktop_->MainWindow()));
        CheckWidgetsAgainstTable(*desktop_, spec);
    }

    std::unique_ptr<QtDesktop> desktop_;
    std::vector<core::Event> events_;

private slots:
    void init() {
        desktop_ = std::make_unique<QtDesktop>();
        desktop_->SetEventHandler([this](const core::Event& e) { events_.push_back(e); });
        events_.clear();
        QVERIFY(desktop_->BuildMainWindow());
        QVERIFY(desktop_->BuildWindow(core::WindowId::AboutWindow));
        QVERIFY(desktop_->BuildWindow(core::WindowId::PreferencesWindow));
        desktop_->SetHelpReaderProgram(platform::DecodeNativeBytes(HASHWELL_HELP_READER));
    }
    void cleanup() { desktop_.reset(); }

    void realQuestionBoxAnswersTheButtonClicked() {
        for (const auto& [button, answer] : {std::pair{QMessageBox::Yes, core::MessageAnswer::Yes},
                                             std::pair{QMessageBox::No, core::MessageAnswer::No}}) {
            // Clicked once the box is up, as a person would.
            std::function<void()> click = [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                box != nullptr ? box->button(button)->click() : QTimer::singleShot(10, click);
            };
            QTimer::singleShot(10, click);
            QCOMPARE(
                desktop_->ShowMessageBox({u"Time Warning", u"Hash?", core::MessageIcon::Warning,
                                          core::MessageButtons::YesNo}),
                answer);
        }
    }

    void dialogGoesAboveTheMainWindowKeptOnTopWhichTakesItsPlaceBackAfter() {
        desktop_->ShowWindow(core::WindowId::MainWindow);
        desktop_->SetWindowTopMost(core::WindowId::MainWindow, true);
        QWindow* main = desktop_->MainWindow()->windowHandle();
        bool onTopDuringDialog = true;
        std::function<void()> answer = [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                QTimer::singleShot(10, answer);
                return;
            }
            onTopDuringDialog = main->flags().testFlag(Qt::WindowStaysOnTopHint);
            dialog->reject();
        };
        QTimer::singleShot(10, answer);
        QCOMPARE(desktop_->ShowFolderDialog(u"Open Folder"), std::nullopt);
        QVERIFY(!onTopDuringDialog);
        QVERIFY(main->flags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void aboutWindowHoldsItsControlsWithTheirFonts() {
        CheckWindow(core::AboutWindowSpec());
        const QWidget* title = desktop_->Control(core::AboutControl::AboutTitle);
        QCOMPARE(title->font().pointSize(), 12);
        QVERIFY(title->font().bold());
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        const QWidget* link = desktop_->Control(core::AboutControl::AboutLink);
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        // The core fills the labels in through the port and reads the title back.
        desktop_->SetControlText(core::AboutControl::AboutTitle, u"Hashwell (64-Bit)");
        QCOMPARE(desktop_->ControlText(core::AboutControl::AboutTitle), u"Hashwell (64-Bit)");
    }

    void preferencesWindowHoldsItsControlsAndTheSkinBoxesTheirColours() {
        CheckWindow(core::PreferencesWindowSpec());
        // As painted: beside the box's text, where only its background shows.
        for (const auto& [id, colour] :
             {std::pair{core::PreferencesControl::OptionSkin2, QColor(192, 192, 192)},
              std::pair{core::PreferencesControl::OptionSkin3, QColor(215, 215, 255)}}) {
            QWidget* box = desktop_->Control(id);
            const QImage painted = box->grab().toImage();
            QCOMPARE(painted.pixelColor(painted.width() - 2, painted.height() / 2), colour);
        }
    }

    void clicksOnABoxTheOkButtonAndTheLinkReachTheCore() {
        desktop_->ShowWindow(core::WindowId::PreferencesWindow);
        desktop_->ShowWindow(core::WindowId::AboutWindow);
        QTest::mouseClick(desktop_->Control(core::PreferencesControl::OptionUnicode),
                          Qt::LeftButton);
        QTest::mouseClick(desktop_->Control(core::AboutControl::AboutOk), Qt::LeftButton);
        QTest::mouseClick(desktop_->Control(core::AboutControl::AboutLink), Qt::LeftButton);
        QTest::mouseClick(desktop_->Control(core::AboutControl::AboutOk), Qt::RightButton);
        desktop_->Registry().Window(core::WindowId::AboutWindow)->close();
        QCoreApplication::processEvents();
        const std::vector<core::Event> expected{
            ControlEvent(core::PreferencesControl::OptionUnicode),
            ControlEvent(core::AboutControl::AboutOk),
            ControlEvent(core::AboutControl::AboutLink),
            {core::EventKind::CloseWindow, static_cast<int>(core::WindowId::AboutWindow),
             core::WindowId::AboutWindow}};
        QVERIFY(events_ == expected);
        QVERIFY(desktop_->Registry().Window(core::WindowId::AboutWindow)->isVisible());
    }

    static platform::Path HelpFile(const char* damaged = nullptr) {
        return platform::DecodeNativeBytes(
            damaged == nullptr ? HASHWELL_HELP_FILE
                               : std::string(HASHWELL_TEST_DATA_DIR "/helpfile/") + damaged);
    }

    void helpWindowOpensCentredOnThePageFollowsLinksAndItsContentsFollowThePage() {
        QWidget* main = desktop_->MainWindow();
        main->move(30, 40);
        desktop_->ShowWindow(core::WindowId::MainWindow);
        QCOMPARE(desktop_->ShowHelp(HelpFile(), u"hashguide_004.html"), core::HelpOutcome::Shown);
        QWidget* help = desktop_->Help();
        QVERIFY(help->isVisible());
        QCOMPARE(help->geometry().center(), main->geometry().center());
        QCOMPARE(help->frameGeometry().center(), main->frameGeometry().center());
        QVERIFY(help->windowHandle() != nullptr);
        QCOMPARE(help->windowHandle()->transientParent(), main->windowHandle());

        auto* page = help->findChild<QTextBrowser*>(QStringLiteral("HelpPage"));
        auto* contents = help->findChild<QListWidget*>(QStringLiteral("HelpContents"));
        QCOMPARE(page->documentTitle(), QStringLiteral("The three tabs"));
        QCOMPARE(contents->count(), static_cast<int>(core::AllHelpPages().size()));
        const auto selected = [contents] {
            const QList<QListWidgetItem*> items = contents->selectedItems();
            return items.size() == 1 ? items[0]->data(Qt::UserRole).toString() : QString();
        };
        QCOMPARE(selected(), QStringLiteral("hashguide_004.html"));
        // The first link of the page, "Contents", by the keyboard as a user may follow it.
        page->setFocus();
        QTest::keyClick(page, Qt::Key_Tab);
        QTest::keyClick(page, Qt::Key_Return);
        QCOMPARE(page->documentTitle(), QStringLiteral("Hashwell Help"));
        QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("HelpBack")),
                          Qt::LeftButton);
        QCOMPARE(page->documentTitle(), QStringLiteral("The three tabs"));
        page->setSource(QUrl(QStringLiteral("hashguide_016.html")));  // as a link does
        QCOMPARE(selected(), QStringLiteral("hashguide_016.html"));
        page->backward();
        QCOMPARE(selected(), QStringLiteral("hashguide_004.html"));

        // Asked again, the same window shows the topic where the user left it.
        help->move(help->pos() + QPoint(25, 15));
        const QPoint moved = help->pos();
        QCOMPARE(desktop_->ShowHelp(HelpFile(), u"hashguide_024.html"), core::HelpOutcome::Shown);
        QVERIFY(desktop_->Help() == help);
        QCOMPARE(selected(), QStringLiteral("hashguide_024.html"));
        QCOMPARE(help->pos(), moved);
        desktop_->ShowHelp(HelpFile(), u"hashguide_999.html");
        QVERIFY(page->toPlainText().contains(QStringLiteral("Page not found")));
    }

    void damagedHelpFileIsSaidAndItsWindowClosedUntilAskedAgain() {
        // libchm crashes on it while it opens the file.
        QCOMPARE(desktop_->ShowHelp(HelpFile("no_window_size.chm"), u"index.html"),
                 core::HelpOutcome::Damaged);
        QWidget* help = desktop_->Help();
        QVERIFY(!help->isVisible());

        // A page found damaged after the file opened says so in the window, and the next
        // request says it of the file.
        QCOMPARE(desktop_->ShowHelp(HelpFile("huge_lengths.chm"), u"Small.hhc"),
                 core::HelpOutcome::Shown);
        auto* page = help->findChild<QTextBrowser*>(QStringLiteral("HelpPage"));
        page->setSource(QUrl(QStringLiteral("index.html")));
        QVERIFY(page->toPlainText().contains(QStringLiteral("damaged")));
        QCOMPARE(desktop_->ShowHelp(HelpFile("huge_lengths.chm"), u"Small.hhc"),
                 core::HelpOutcome::Damaged);
        QVERIFY(!help->isVisible());
        QCOMPARE(desktop_->ShowHelp(HelpFile(), u"index.html"), core::HelpOutcome::Shown);
        QCOMPARE(page->documentTitle(), QStringLiteral("Hashwell Help"));
    }
};

}  // namespace hashwell::ui

QTEST_MAIN(hashwell::ui::WindowsTest)
#include "windows_test.moc"
