#include "ui/control_colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace hashwell::ui {

void ControlColors::Set(int controlId, QWidget* control, const QColor& text, int background) {
    entries_[controlId] = {text, background};
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    if (background >= 1) {
        palette.setColor(QPalette::Window,
                         QColor(background & 0xFF, (background >> 8) & 0xFF, background >> 16));
        control->setAutoFillBackground(true);
    } else if (background == kButtonFaceBackground) {
        palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
        control->setAutoFillBackground(true);
    } else {
        control->setAutoFillBackground(false);
    }
    control->setPalette(palette);
}

}  // namespace hashwell::ui
