#include "ui/about_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/app/ids.h"
#include "core/help/web_pages.h"
#include "ui/qt_text.h"
#include "ui/window_parts.h"

namespace hashwell::ui {
namespace {

QLabel* MakeLabel(const QString& text, QWidget* parent, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

WindowWidgets BuildAboutWindowWidgets(QWidget* owner) {
    using namespace core::ControlId;
    WindowWidgets parts;
    auto window = std::make_unique<QWidget>(owner);
    MakeFixedWindow(window.get(), "AboutWindow", QStringLiteral("Hashwell"), 396, 242);
    parts.client = window.get();
    auto add = [&](QWidget* control, int id, const char* name, int x, int y, int w, int h) {
        PlaceControl(control, id, name, x, y, w, h);
        parts.controls[id] = control;
        return control;
    };

    add(MakeFrame(QString(), window.get()), AboutFrame, "AboutFrame", 10, 10, 375, 225)->lower();

    QWidget* title = add(MakeLabel(QStringLiteral("Hashwell"), window.get(), Qt::AlignHCenter),
                         AboutTitle, "AboutTitle", 28, 30, 340, 30);
    QFont titleFont = StockGuiFont();
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    title->setFont(titleFont);
    SetTextColour(title, QColor(0, 0, 255));

    QWidget* link = add(MakeLabel(ToQString(core::MakerWebSite()), window.get(), Qt::AlignHCenter),
                        AboutLink, "AboutLink", 110, 80, 175, 15);
    QFont linkFont = StockGuiFont();
    linkFont.setPointSize(10);
    linkFont.setUnderline(true);
    link->setFont(linkFont);
    SetTextColour(link, Qt::black);  // also while the pointer is over it
    link->setCursor(Qt::PointingHandCursor);

    add(MakeLabel(QStringLiteral("Version: 0"), window.get(), Qt::AlignLeft), AboutVersion,
        "AboutVersion", 159, 110, 78, 15);
    add(MakeLabel(QStringLiteral("..."), window.get(), Qt::AlignHCenter), AboutNotice,
        "AboutNotice", 58, 140, 280, 15);
    QWidget* ok =
        add(MakeButton(QStringLiteral("OK"), window.get()), AboutOk, "AboutOk", 168, 180, 60, 20);
    ok->setToolTip(QStringLiteral("Click here to close this window."));
    parts.window = std::move(window);
    return parts;
}

}  // namespace hashwell::ui
