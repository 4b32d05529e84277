// The program on the real window, offscreen: what the user does with mouse and keys reaches
// the commands, the Open dialog is the one described, and the close box ends the loop.

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/dispatch.h"
#include "core/file_opening.h"
#include "core/ids.h"
#include "core/startup.h"
#include "digest/text_digest.h"
#include "ui/qt_desktop.h"

namespace hashwell::ui {

using namespace core::ControlId;

class ProgramTest : public QObject {
    Q_OBJECT

private:
    // Starts the program and runs its loop; `act` runs inside the loop and must end it.
    void RunProgram(const std::function<void()>& act) {
        desktop_->SetMessageBoxAnswerer(
            [](const platform::MessageBoxRequest&) { return platform::MessageAnswer::Ok; });
        const settings::SettingsEnvironment environment{
            QDir(folder_.path()).filePath(QStringLiteral("hashwell")).toStdU16String(),
            [](std::u16string_view) { return std::nullopt; }};
        QVERIFY(core::StartUp(*desktop_, state_, environment, {}));
        QTimer::singleShot(0, act);
        core::RunEventLoop(*desktop_, state_);
        core::ShutDown(*desktop_, state_);
    }
    QString Text(int id) const {
        return static_cast<QPlainTextEdit*>(desktop_->Control(id))->toPlainText();
    }

    QTemporaryDir folder_;
    std::unique_ptr<QtDesktop> desktop_;
    core::AppState state_;

private slots:
    void init() {
        desktop_ = std::make_unique<QtDesktop>();
        state_ = {};
    }
    void cleanup() { desktop_.reset(); }

    void typedTextChosenMethodAndCalculateShowTheCodeAndTheCloseBoxEndsTheLoop() {
        QString shown;
        bool stillRunning = false;
        RunProgram([&] {
            QTest::keyClicks(desktop_->Control(TextInput), QStringLiteral("abc"));
            QTest::mouseClick(desktop_->Control(OptionSha2), Qt::LeftButton);
            QTest::mouseClick(desktop_->Control(ButtonCalculate), Qt::LeftButton);
            QCoreApplication::processEvents();
            shown = Text(TextHashBox);
            desktop_->MainWindow()->close();
            stillRunning = desktop_->MainWindow()->isVisible();  // the loop ends it, not Qt
        });
        QVERIFY(state_.quitRequested);
        QVERIFY(stillRunning);
        QVERIFY(!desktop_->MainWindow()->isVisible());
        const std::string expected = digest::HashText(u"abc", 4, 256, 2);
        QCOMPARE(shown, QString::fromStdString(expected));
    }

    void onlyTheUsersTabChangeIsACommand() {
        RunProgram([&] {
            auto* tabs = static_cast<QTabWidget*>(desktop_->Control(TabPanel));
            desktop_->ShowTab(2);  // the program's own change
            QCoreApplication::processEvents();
            QVERIFY(desktop_->Control(ButtonCalculate)->isEnabled());
            tabs->setCurrentIndex(0);
            tabs->setCurrentIndex(2);  // as the user's click on the tab does
            QCoreApplication::processEvents();
            QVERIFY(!desktop_->Control(ButtonCalculate)->isEnabled());
            desktop_->MenuItem(core::MenuId::MenuExit)->trigger();
        });
        QCOMPARE(state_.helpTopic, u"hashguide_014.html");
    }

    void openDialogListsTheFileTypesAndLeavesTheCurrentFolder() {
        const QString before = QDir::currentPath();
        const QString file = QDir(folder_.path()).filePath(QStringLiteral("chosen.exe"));
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        QStringList listed;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            title = dialog->windowTitle();
            const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; types != nullptr && i < types->count(); ++i) {
                listed << types->itemText(i);
            }
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::u16string chosen = core::ChooseFile(*desktop_, u"");
        QCOMPARE(title, QStringLiteral("Open File"));
        QCOMPARE(listed, (QStringList{QStringLiteral("Windows Executable File (*.exe)"),
                                      QStringLiteral("Dynamic Link Library (*.dll)"),
                                      QStringLiteral("All files (*.*)")}));
        QCOMPARE(QString::fromStdU16String(chosen), file);
        QCOMPARE(QDir::currentPath(), before);
    }
};

}  // namespace hashwell::ui

QTEST_MAIN(hashwell::ui::ProgramTest)
#include "program_test.moc"
