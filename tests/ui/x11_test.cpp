// The program on a real X server (run under Xvfb): what only a window system shows. A text
// dragged out of the Text tab arrives whole, as a copy, in another program; and every window
// the main window owns carries it in WM_TRANSIENT_FOR, so it stays above a main window kept on
// top.

#include <QPlainTextEdit>
#include <QProcess>

#include "platform/unicode.h"
#include "running_program.h"
#include "ui/help_window.h"

namespace hashwell::ui {

using enum core::MainControl;
using enum core::AboutControl;
using enum core::PreferencesControl;

namespace {

// The window that X says `window` is transient for; 0 when none.
WId TransientFor(WId window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window),
                                          QStringLiteral("WM_TRANSIENT_FOR")});
    xprop.waitForFinished();
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput());
    const qsizetype at = out.indexOf(QStringLiteral("# "));
    return at < 0 ? 0 : out.mid(at + 2).trimmed().toULongLong(nullptr, 16);
}

// Where a press starts a drag of the box's selection at its very end: the right half of its
// last character, in screen coordinates.
QPoint EndOfSelection(QPlainTextEdit* box) {
    QTextCursor end(box->document());
    end.setPosition(box->textCursor().selectionEnd());
    const QRect caret = box->cursorRect(end);
    return box->viewport()->mapToGlobal(QPoint(caret.x() - 2, caret.center().y()));
}

}  // namespace

class X11Test : public RunningProgram {
    Q_OBJECT

private:
    QPlainTextEdit* Box(core::ControlRef id) const {
        return static_cast<QPlainTextEdit*>(desktop_->Control(id));
    }

    // Drags from `from` into a window of another program with real pointer events, and returns
    // what that program says it received.
    QString DragToOtherProgram(QPoint from) {
        QProcess target;
        target.start(QStringLiteral(HASHWELL_DROP_TARGET),
                     {QStringLiteral("1000"), QStringLiteral("60")});
        if (!target.waitForReadyRead(10000)) {
            return QStringLiteral("no drop target");
        }
        target.readAllStandardOutput();
        const QStringList script =
            QStringLiteral(
                "mousemove %1 %2 sleep 0.3 mousedown 1 sleep 0.2 mousemove %3 %2 sleep 0.3 "
                "mousemove 1100 150 sleep 0.3 mousemove 1110 160 sleep 0.3 mouseup 1")
                .arg(from.x())
                .arg(from.y())
                .arg(from.x() + 20)
                .split(u' ');
        QProcess pointer;
        pointer.start(QStringLiteral("xdotool"), script);  // runs while the drag's loop turns
        QString said;
        QElapsedTimer waited;
        waited.start();
        while (!said.contains(QStringLiteral("text")) && waited.elapsed() < 15000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            said += QString::fromUtf8(target.readAllStandardOutput());
        }
        pointer.waitForFinished();
        target.waitForFinished();
        return said;
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            QSKIP("needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb");
        }
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
                 "xdotool (Debian package xdotool) is needed");
    }
    void init() { NewProgram(); }
    void cleanup() { desktop_.reset(); }

    void draggedTextArrivesWholeAsACopyWhereverInTheSelectionTheDragStarts() {
        QString fromCode;
        QString fromInput;
        RunProgram([&] {
            QTest::keyClicks(Box(TextInput), QStringLiteral("abcdef"));
            QTest::mouseClick(desktop_->Control(ButtonCalculate), Qt::LeftButton);
            QCoreApplication::processEvents();
            Box(TextHashBox)->selectAll();
            fromCode = DragToOtherProgram(EndOfSelection(Box(TextHashBox)));
            // Part of the typed text selected: the whole text goes, and the box keeps it.
            QTextCursor part(Box(TextInput)->document());
            part.setPosition(1);
            part.setPosition(4, QTextCursor::KeepAnchor);
            Box(TextInput)->setTextCursor(part);
            fromInput = DragToOtherProgram(EndOfSelection(Box(TextInput)));
        });
        const QString code = QStringLiteral("4b8e39ef");  // CRC-32 of "abcdef"
        QCOMPARE(fromCode, QStringLiteral("action 1\ntext %1\n").arg(code));
        QCOMPARE(fromInput, QStringLiteral("action 1\ntext abcdef\n"));
        QCOMPARE(Box(TextInput)->toPlainText(), QStringLiteral("abcdef"));
    }

    void ownedWindowsAndBoxesAreTransientForTheMainWindow() {
        Write(QStringLiteral("Tarnvale/Hashwell/Hashwell.ini"),
              "[Drag and Drop]\r\nMainOnTop = Yes\r\n");
        desktop_->SetMessageBoxAnswerer({});  // real boxes
        std::map<QString, WId> owners;
        WId main = 0;
        RunProgram([&] {
            main = desktop_->MainWindow()->winId();
            desktop_->MenuItem(core::MenuItem::MenuPreferences)->trigger();
            desktop_->MenuItem(core::MenuItem::MenuAbout)->trigger();
            QCoreApplication::processEvents();
            desktop_->SetHelpReaderProgram(platform::DecodeNativeBytes(HASHWELL_HELP_READER));
            desktop_->ShowHelp(platform::DecodeNativeBytes(HASHWELL_HELP_FILE), u"index.html");
            for (QWidget* window : {desktop_->Registry().Window(core::WindowId::PreferencesWindow),
                                    desktop_->Registry().Window(core::WindowId::AboutWindow),
                                    static_cast<QWidget*>(desktop_->Help())}) {
                owners[window->objectName()] = TransientFor(window->winId());
                window->close();
            }
            QCoreApplication::processEvents();
            // A message box ("Copied") and the Open dialog, each looked at while it is up.
            for (const core::MainControl button : {ButtonCopyHash, ButtonOpen}) {
                QTimer::singleShot(300, [&] {
                    if (QWidget* modal = QApplication::activeModalWidget()) {
                        owners[modal->metaObject()->className()] = TransientFor(modal->winId());
                        modal->close();
                    }
                });
                QTest::keyClicks(Box(TextInput), QStringLiteral("x"));
                QTest::mouseClick(desktop_->Control(ButtonCalculate), Qt::LeftButton);
                QCoreApplication::processEvents();  // Copy Hash is enabled once there is a code
                QTest::mouseClick(desktop_->Control(button), Qt::LeftButton);
                QCoreApplication::processEvents();
            }
        });
        QCOMPARE(owners.size(), 5u);
        for (const auto& [name, owner] : owners) {
            QVERIFY2(owner == main, qPrintable(name));
        }
    }
};

}  // namespace hashwell::ui

QTEST_MAIN(hashwell::ui::X11Test)
#include "x11_test.moc"
