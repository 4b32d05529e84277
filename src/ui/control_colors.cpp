#include "ui/control_colors.h"

#include <QPalette>
#include <QWidget>

namespace hashwell::ui {

void SetControlColours(QWidget* control, const QColor& text, const QColor& background) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    // A control fills its background with its own role: Window for a label, Button for a
    // check box or a button.
    palette.setColor(QPalette::Window, background);
    palette.setColor(control->backgroundRole(), background);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

}  // namespace hashwell::ui
