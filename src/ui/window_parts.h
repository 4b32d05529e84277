#pragma once

// The kinds of control every program window uses, made the same way in each.

#include <QFont>
#include <QString>

class QGroupBox;
class QPushButton;
class QWidget;

namespace hashwell::ui {

// "Arial Narrow" 10 pt bold, the buttons' font; fontconfig maps the name to Liberation Sans
// Narrow, which has the same metrics.
QFont ButtonFont();

// The font of every control that has none of its own: the desktop's classic dialog font, for
// which the windows' places were made ("Arial" 8 pt; fontconfig maps it to Liberation Sans).
QFont StockGuiFont();

// A classic group box: a thin frame with its title in the top line.
QGroupBox* MakeFrame(const QString& title, QWidget* parent);
QPushButton* MakeButton(const QString& text, QWidget* parent);

// Gives a widget its id, its name as objectName and its place; every control of the program
// is found by one of them.
void PlaceControl(QWidget* control, int id, const char* name, int x, int y, int width, int height);

// Makes a secondary window: fixed in size, with a caption, a system menu and a close box but
// no minimise or maximise box, owned by the main window.
void MakeFixedWindow(QWidget* window, const char* name, const QString& title, int width,
                     int height);

}  // namespace hashwell::ui
