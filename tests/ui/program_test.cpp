// The program on the real window, offscreen: what the user does with mouse and keys reaches
// the commands, the Open dialog is the one described, keep-on-top keeps the skin, and the
// close box ends the loop.

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "digest/text_digest.h"
#include "running_program.h"
#include "support/table_file.h"

namespace hashwell::ui {

using enum core::MainControl;
using enum core::AboutControl;
using enum core::PreferencesControl;

class ProgramTest : public RunningProgram {
    Q_OBJECT

private:
    // Calls `use` with the context menu (W = QMenu) or the modal dialog once it is up.
    template <class W>
    static void WhenUp(std::function<void(W*)> use, int triesLeft = 200) {
        QTimer::singleShot(10, [use = std::move(use), triesLeft] {
            QWidget* up = std::is_same_v<W, QMenu> ? QApplication::activePopupWidget()
                                                   : QApplication::activeModalWidget();
            if (auto* widget = qobject_cast<W*>(up)) {
                use(widget);
            } else if (triesLeft > 0) {
                WhenUp<W>(use, triesLeft - 1);
            }
        });
    }
    QString Text(core::ControlRef id) const {
        return static_cast<QPlainTextEdit*>(desktop_->Control(id))->toPlainText();
    }

private slots:
    void init() { NewProgram(); }
    void cleanup() { desktop_.reset(); }

    void typedTextChosenMethodAndCalculateShowTheCodeAndAWindowKeptOnTopKeepsItsSkin() {
        Write(QStringLiteral("Tarnvale/Hashwell/Hashwell.ini"),
              "[Skins]\r\nSkin = 3\r\n[Drag and Drop]\r\nMainOnTop = Yes\r\n");
        QString shown;
        RunProgram([&] {
            QVERIFY(desktop_->MainWindow()->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
            QCOMPARE(desktop_->MainWindow()->centralWidget()->palette().color(QPalette::Window),
                     QColor(215, 215, 255));
            QTest::keyClicks(desktop_->Control(TextInput), QStringLiteral("abc"));
            QTest::mouseClick(desktop_->Control(OptionSha2), Qt::LeftButton);
            QTest::mouseClick(desktop_->Control(ButtonCalculate), Qt::LeftButton);
            QCoreApplication::processEvents();
            shown = Text(TextHashBox);
        });
        QCOMPARE(shown, QString::fromStdString(digest::HashText(u"abc", 4, 256, 2)));
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
            desktop_->MenuItem(core::MenuItem::MenuExit)->trigger();
        });
        QCOMPARE(state_.helpTopic, u"hashguide_014.html");
    }

    void openButtonShowsTheFileTypesAndRefusesAMissingFolder() {
        const QString file = QDir(folder_.path()).filePath(QStringLiteral("new.exe"));  // not there
        QStringList listed;
        QString title;
        QString selectedType;
        bool refused = false;
        RunProgram([&] {
            WhenUp<QFileDialog>([&](QFileDialog* dialog) {
                title = dialog->windowTitle();
                const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                selectedType = types != nullptr ? types->currentText() : QString();
                for (int i = 0; types != nullptr && i < types->count(); ++i) {
                    listed << types->itemText(i);
                }
                dialog->selectFile(QDir(folder_.path()).filePath(QStringLiteral("no/x.exe")));
                QMetaObject::invokeMethod(dialog, "accept");
                refused = dialog->isVisible();
                dialog->selectFile(file);
                QMetaObject::invokeMethod(dialog, "accept");
            });
            QTest::mouseClick(desktop_->Control(ButtonOpen), Qt::LeftButton);
            QCoreApplication::processEvents();
        });
        QCOMPARE(title, QStringLiteral("Open File"));
        QCOMPARE(selectedType, QStringLiteral("All files (*.*)"));  // programs have no extension
        QCOMPARE(listed, (QStringList{QStringLiteral("Windows Executable File (*.exe)"),
                                      QStringLiteral("Dynamic Link Library (*.dll)"),
                                      QStringLiteral("All files (*.*)")}));
        QVERIFY(refused);
        QCOMPARE(Text(FileNameBox), QStringLiteral("Filename: ") + file);
        QCOMPARE(state_.fileToHash, file.toStdU16String());
    }

    void exportMenuAndTheFileTypeChosenInTheSaveDialogDecideTheFileWritten() {
        const QString hashed = Write(QStringLiteral("hashed.bin"));
        const QString exported = QDir(folder_.path()).filePath(QStringLiteral("codes"));
        QStringList items;
        QString dialogTitle;
        const std::vector<std::vector<std::string>> choices =
            test::ReadTable("ui/export_types.tsv");
        RunProgram(
            [&] {
                WhenUp<QMenu>([&](QMenu* menu) {
                    for (const QAction* action : menu->actions()) {
                        items << action->text();
                    }
                    WhenUp<QFileDialog>([&](QFileDialog* dialog) {
                        dialogTitle = dialog->windowTitle();
                        // As the user types it into the name box.
                        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                            ->setText(exported);
                        QMetaObject::invokeMethod(dialog, "accept");
                    });
                    menu->setActiveAction(menu->actions().front());
                    QTest::keyClick(menu, Qt::Key_Return);
                });
                QTest::mouseClick(desktop_->Control(ButtonExportList), Qt::LeftButton);
                QCoreApplication::processEvents();
                for (const auto& choice : choices) {
                    WhenUp<QFileDialog>([&](QFileDialog* dialog) {
                        // As the user picks the type in its list and types the name.
                        auto* types =
                            dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                        types->setCurrentIndex(std::stoi(choice[0]));
                        emit types->activated(std::stoi(choice[0]));
                        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                            ->setText(
                                QDir(folder_.path()).filePath(QString::fromStdString(choice[1])));
                        QMetaObject::invokeMethod(dialog, "accept");
                    });
                    desktop_->MenuItem(core::MenuItem::MenuExportTsv)->trigger();
                    QCoreApplication::processEvents();
                }
            },
            {hashed.toStdU16String()});
        QCOMPARE(items,
                 (QStringList{QStringLiteral("Export to CSV"), QStringLiteral("Export to TSV"),
                              QStringLiteral("Quit Menu")}));
        QCOMPARE(dialogTitle,
                 QStringLiteral("Please choose file name for Comma-Separated Values file"));
        QFile written(exported + QStringLiteral(".csv"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray::fromStdString(test::ReadTestData("ui/exported.csv"))
                                        .replace("%FILE%", hashed.toUtf8()));
        for (const auto& choice : choices) {
            QVERIFY2(
                QFile::exists(QDir(folder_.path()).filePath(QString::fromStdString(choice[2]))),
                choice[2].c_str());
        }
    }

    void droppedFileAndTextReachTheBoxes() {
        const QString file = Write(QStringLiteral("dropped.txt"),
                                   "\xEF\xBB\xBF"
                                   "from the file");
        QString afterFileDrop, afterTextDrop;
        std::vector<core::MessageBoxRequest> boxes;
        RunProgram([&] {
            desktop_->SetMessageBoxAnswerer([&](const core::MessageBoxRequest& box) {
                boxes.push_back(box);
                return core::MessageAnswer::Yes;
            });
            // As a drag from a file manager arrives: entering the control, then the drop.
            auto drop = [](QWidget* target, QMimeData* data) {
                QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton,
                                      Qt::NoModifier);
                QCoreApplication::sendEvent(target, &enter);
                QDropEvent event(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton,
                                 Qt::NoModifier);
                QCoreApplication::sendEvent(target, &event);
                QCoreApplication::processEvents();
            };
            auto* input = static_cast<QPlainTextEdit*>(desktop_->Control(TextInput));
            QMimeData files;
            files.setUrls({QUrl::fromLocalFile(file)});
            drop(input->viewport(), &files);
            afterFileDrop = Text(TextInput);
            QMimeData text;
            text.setText(QStringLiteral("dropped words"));
            static_cast<QTabWidget*>(desktop_->Control(TabPanel))->setCurrentIndex(1);
            QCoreApplication::processEvents();
            drop(desktop_->Control(TabPanel), &text);
            afterTextDrop = Text(TextInput);
        });
        QCOMPARE(afterFileDrop, QStringLiteral("from the file"));
        QCOMPARE(afterTextDrop, QStringLiteral("dropped words"));  // after Yes to "Overwrite"
        QCOMPARE(boxes.front().title, std::u16string(u"Overwrite"));
    }

    void textBoxMenuChoiceActsAtTheNextMouseMovement() {
        QString beforeMove, afterMove;
        RunProgram([&] {
            QMainWindow* window = desktop_->MainWindow();
            auto* input = static_cast<QPlainTextEdit*>(desktop_->Control(TextInput));
            input->setPlainText(QStringLiteral("menu text"));
            input->setFocus();
            QGuiApplication::clipboard()->clear();
            WhenUp<QMenu>([&](QMenu* menu) {
                menu->setActiveAction(menu->actions().front());  // "Copy Text to Clipboard"
                QTest::keyClick(menu, Qt::Key_Return);
            });
            const QPoint overInput = input->mapTo(window, input->rect().center());
            QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, overInput);
            QCoreApplication::processEvents();
            beforeMove = QGuiApplication::clipboard()->text();
            QTest::mouseMove(window->windowHandle(), overInput + QPoint(3, 3));
            QCoreApplication::processEvents();
            afterMove = QGuiApplication::clipboard()->text();
        });
        QCOMPARE(beforeMove, QString());
        QCOMPARE(afterMove, QStringLiteral("menu text"));
    }

    void pastedTextIsHashedAsItStandsInTheBoxInEachTextFormat() {
        for (const std::vector<std::string>& row : test::ReadTable("ui/pasted_text.tsv")) {
            const QString pasted = QString::fromStdU16String(test::Unescape(row[1]));
            Write(QStringLiteral("Tarnvale/Hashwell/Hashwell.ini"),
                  "[Data Format]\r\nFormat = " + QByteArray::fromStdString(row[0]) + "\r\n");
            init();
            QString shown;
            RunProgram([&] {
                QGuiApplication::clipboard()->setText(pasted);
                QWidget* input = desktop_->Control(TextInput);
                input->setFocus();
                QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
                QTest::mouseClick(desktop_->Control(ButtonCalculate), Qt::LeftButton);
                QCoreApplication::processEvents();
                shown = Text(TextHashBox);
            });
            QCOMPARE(shown, QString::fromStdString(row[2]));
        }
    }
};

}  // namespace hashwell::ui

QTEST_MAIN(hashwell::ui::ProgramTest)
#include "program_test.moc"
