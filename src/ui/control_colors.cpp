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
    // A control fills its background with its own role: Window for a label, Button for a
    // check box or a button.
    const QPalette::ColorRole filled = control->backgroundRole();
    if (background >= 1) {
        const QColor colour(background & 0xFF, (background >> 8) & 0xFF, background >> 16);
        palette.setColor(QPalette::Window, colour);
        palette.setColor(filled, colour);
        control->setAutoFillBackground(true);
    } else if (background == kButtonFaceBackground) {
        const QColor face = QApplication::palette().color(QPalette::Button);
        palette.setColor(QPalette::Window, face);
        palette.setColor(filled, face);
        control->setAutoFillBackground(true);
    } else {
        control->setAutoFillBackground(false);
    }
    control->setPalette(palette);
}

}  // namespace hashwell::ui
