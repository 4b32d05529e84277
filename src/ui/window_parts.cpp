#include "ui/window_parts.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVariant>

namespace hashwell::ui {

QFont ButtonFont() {
    QFont font(QStringLiteral("Arial Narrow"));
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

QFont StockGuiFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

QGroupBox* MakeFrame(const QString& title, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));
    return frame;
}

QPushButton* MakeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setFont(ButtonFont());
    return button;
}

void PlaceControl(QWidget* control, int id, const char* name, int x, int y, int width, int height) {
    control->setObjectName(QString::fromUtf8(name));
    control->setProperty("hashwellId", id);
    control->setGeometry(x, y, width, height);
}

void MakeFixedWindow(QWidget* window, const char* name, const QString& title, int width,
                     int height) {
    window->setObjectName(QString::fromUtf8(name));
    window->setWindowTitle(title);
    // A dialog-type window is one the window system keeps above its owner (on X11 it carries
    // WM_TRANSIENT_FOR, which a plain window does not), also when the owner is kept on top.
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(width, height);
    window->setFont(StockGuiFont());
}

}  // namespace hashwell::ui
