// How long the Text tab's box holds the window when it is given a large text: the time to set
// the text and lay it out, by size, for ordinary lines and for one line without a break.
//   text_box_bench [MiB ...]     (default 1 2 4 8; run offscreen: QT_QPA_PLATFORM=offscreen)

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "ui/text_box.h"

namespace {

double SecondsToShow(hashwell::ui::TextBox& box, const QString& text) {
    QElapsedTimer timer;
    timer.start();
    box.SetText(text);
    QCoreApplication::processEvents();  // the layout and the first paint
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStringList sizes = QCoreApplication::arguments().mid(1);
    if (sizes.isEmpty()) {
        sizes = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"),
                 QStringLiteral("8")};
    }
    hashwell::ui::TextBox box(nullptr);
    box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box.resize(560, 115);  // the Text tab's box
    box.show();
    std::printf("%-6s %-22s %-22s\n", "MiB", "80-character lines s", "one line s");
    for (const QString& size : sizes) {
        const qsizetype characters = size.toLongLong() * 1024 * 1024;
        const QString line = QString(79, QChar(u'x')) + QChar(u'\n');
        QString lines;
        while (lines.size() < characters) {
            lines += line;
        }
        const double ordinary = SecondsToShow(box, lines);
        const double oneLine = SecondsToShow(box, QString(characters, QChar(u'y')));
        std::printf("%-6s %-22.2f %-22.2f\n", qPrintable(size), ordinary, oneLine);
        std::fflush(stdout);
    }
    return 0;
}
