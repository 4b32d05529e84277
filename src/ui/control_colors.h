#pragma once

// A control drawn in colours of its own: the Preferences window's skin boxes.

#include <QColor>

class QWidget;

namespace hashwell::ui {

// Gives the control its text colour and fills its background with `background`.
void SetControlColours(QWidget* control, const QColor& text, const QColor& background);

}  // namespace hashwell::ui
