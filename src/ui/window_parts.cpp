#include "ui/window_parts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVariant>

#include "ui/list_grid.h"
#include "ui/text_box.h"

namespace hashwell::ui {
namespace {

const QColor kLightYellow(255, 255, 198);

QGroupBox* MakeFrame(const QString& title, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));
    return frame;
}

ListGrid* MakeGrid(int builtWidth, QWidget* parent) {
    auto* grid = new ListGrid(builtWidth, parent);
    grid->InsertTitledColumn(0, QString(), 100);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setShowGrid(true);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, kLightYellow);
    // The selected row stays as visible when the grid loses the focus.
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    grid->setPalette(palette);
    return grid;
}

QProgressBar* MakeProgressBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    // A smooth bar: dark blue on silver, no segments.
    bar->setStyleSheet(
        QStringLiteral("QProgressBar { background: silver; border: 1px solid gray; }"
                       "QProgressBar::chunk { background: darkblue; }"));
    return bar;
}

QWidget* MakeWidget(const core::ControlSpec& spec, QWidget* parent, QButtonGroup* options) {
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
        case core::ControlKind::Frame:
            return MakeFrame(text, parent);
        case core::ControlKind::Button:
            return new QPushButton(text, parent);
        case core::ControlKind::TabPanel:
            return new QTabWidget(parent);
        case core::ControlKind::TextBox:
        case core::ControlKind::ReadOnlyTextBox: {
            auto* box = new TextBox(parent);
            box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            box->setReadOnly(spec.kind == core::ControlKind::ReadOnlyTextBox);
            // The program's own context menus replace the built-in one.
            box->setContextMenuPolicy(Qt::NoContextMenu);
            return box;
        }
        case core::ControlKind::Grid:
            return MakeGrid(spec.width, parent);
        case core::ControlKind::ProgressBar:
            return MakeProgressBar(parent);
        case core::ControlKind::Option: {
            auto* option = new QRadioButton(text, parent);
            if (options != nullptr) {
                options->addButton(option);
            }
            return option;
        }
        case core::ControlKind::CheckBox:
            return new QCheckBox(text, parent);
        case core::ControlKind::Label: {
            auto* label = new QLabel(text, parent);
            const Qt::Alignment across =
                spec.style == core::TextStyle::Plain ? Qt::AlignLeft : Qt::AlignHCenter;
            label->setAlignment(across | Qt::AlignVCenter);
            return label;
        }
    }
    return nullptr;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void ApplyStyle(QWidget* control, core::TextStyle style) {
    switch (style) {
        case core::TextStyle::Plain:
        case core::TextStyle::Centred:
            break;
        case core::TextStyle::Button:
            control->setFont(ButtonFont());
            break;
        case core::TextStyle::Title: {
            QFont font = StockGuiFont();
            font.setPointSize(12);
            font.setBold(true);
            control->setFont(font);
            SetTextColour(control, QColor(0, 0, 255));
            break;
        }
        case core::TextStyle::Link: {
            QFont font = StockGuiFont();
            font.setPointSize(10);
            font.setUnderline(true);
            control->setFont(font);
            SetTextColour(control, Qt::black);  // also while the pointer is over it
            control->setCursor(Qt::PointingHandCursor);
            break;
        }
    }
}

}  // namespace

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

QWidget* MakeControl(const core::ControlSpec& spec, QWidget* parent, QButtonGroup* options) {
    QWidget* control = MakeWidget(spec, parent, options);
    control->setObjectName(QString::fromUtf8(spec.name));
    control->setProperty("hashwellId", spec.control.Id());
    control->setGeometry(spec.x, spec.y, spec.width, spec.height);
    if (spec.toolTip != nullptr) {
        control->setToolTip(QString::fromUtf8(spec.toolTip));
    }
    ApplyStyle(control, spec.style);
    if (spec.kind == core::ControlKind::Frame) {
        control->lower();  // drawn behind the controls it surrounds
    }
    return control;
}

WindowWidgets BuildFixedWindow(const core::WindowSpec& spec, QWidget* owner) {
    WindowWidgets parts;
    auto window = std::make_unique<QWidget>(owner);
    window->setObjectName(QString::fromUtf8(spec.name));
    window->setWindowTitle(QString::fromUtf8(spec.title));
    // A dialog-type window is one the window system keeps above its owner (on X11 it carries
    // WM_TRANSIENT_FOR, which a plain window does not), also when the owner is kept on top.
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(spec.width, spec.height);
    window->setFont(StockGuiFont());
    parts.client = window.get();
    for (const core::ControlSpec& control : spec.controls) {
        parts.controls[control.control.Id()] = MakeControl(control, window.get(), nullptr);
    }
    parts.window = std::move(window);
    return parts;
}

}  // namespace hashwell::ui
