#include "ui/text_box.h"

#include <QMimeData>
#include <QSignalBlocker>

namespace hashwell::ui {
namespace {

// Longer words are where word wrapping becomes slow: one of this length takes a few
// milliseconds to lay out, one ten times as long a second.
constexpr qsizetype kLongWord = 10000;

bool HasLongWord(const QString& text) {
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongWord) {
            return true;
        }
    }
    return false;
}

}  // namespace

void TextBox::SetText(const QString& text) {
    // Every change of mode lays the whole text out again, so the slow word wrap is only ever
    // applied to a text without long words: before the new text comes when it has them, after
    // it when it has none.
    const bool longWords = HasLongWord(text);
    if (longWords) {
        setWordWrapMode(QTextOption::WrapAnywhere);
    }
    {
        const QSignalBlocker quiet(this);
        setPlainText(text);
    }
    if (!longWords) {
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
}

void TextBox::insertFromMimeData(const QMimeData* source) {
    if (source != nullptr && source->hasText() && HasLongWord(source->text())) {
        setWordWrapMode(QTextOption::WrapAnywhere);  // until the whole text is replaced
    }
    QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace hashwell::ui
