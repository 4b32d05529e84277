#pragma once

// A text box that stays quick with very long words.

#include <QPlainTextEdit>

namespace hashwell::ui {

// A multi-line text box that keeps up with very long words. Qt's word wrap breaks a word that
// is wider than the box in time that grows with the square of its length (a 1 MiB word holds
// the window for over a minute), so a box given a text with such a word breaks its lines
// anywhere until its whole text is replaced by one without.
class TextBox final : public QPlainTextEdit {
public:
    explicit TextBox(QWidget* parent) : QPlainTextEdit(parent) {}

    // Replaces the text, as the program does (no signal that the user edited it).
    void SetText(const QString& text);

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace hashwell::ui
