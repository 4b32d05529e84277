// The program's command line against Qt's options: Qt is given the program's name alone, so a
// file named like one of Qt's options is still a file, and a name that is not UTF-8 arrives
// byte for byte.

#include <QApplication>
#include <QtTest>

#include "platform/unicode.h"
#include "ui/command_line.h"

namespace hashwell::ui {

class CommandLineTest : public QObject {
    Q_OBJECT

public:
    CommandLineTest(const CommandLine& commandLine, char** argv)
        : commandLine_(commandLine), argv_(argv) {}

private slots:
    void parametersNamedLikeQtOptionsStayTheProgramsAndQtSeesNone() {
        const std::vector<std::u16string> expected{u"-style", u"x.txt", u"-nograb",
                                                   u"bad\xDCFFname"};
        QVERIFY(commandLine_.Parameters() == expected);
        QCOMPARE(QCoreApplication::arguments(), QStringList{QStringLiteral("hashwell")});
        QCOMPARE(QByteArray(argv_[1]), QByteArray("-style"));  // Qt removed nothing
        QCOMPARE(QByteArray::fromStdString(platform::EncodeNativeBytes(expected[3])),
                 QByteArray("bad\xFFname"));
    }

private:
    const CommandLine& commandLine_;
    char** argv_;
};

}  // namespace hashwell::ui

int main() {
    char name[] = "hashwell";
    char style[] = "-style";
    char file[] = "x.txt";
    char noGrab[] = "-nograb";
    char notUtf8[] = "bad\xFFname";
    char* argv[] = {name, style, file, noGrab, notUtf8, nullptr};
    hashwell::ui::CommandLine commandLine(5, argv);
    QApplication application(commandLine.QtArgc(), commandLine.QtArgv());
    hashwell::ui::CommandLineTest test(commandLine, argv);
    return QTest::qExec(&test);
}

#include "command_line_test.moc"
