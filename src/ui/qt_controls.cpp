#include "ui/qt_controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>

#include <algorithm>
#include "ui/list_grid.h"

#include "ui/qt_text.h"
#include "ui/text_box.h"

namespace hashwell::ui {

std::u16string QtControls::ControlText(core::ControlRef controlId) {
    QWidget* control = windows_.Control(controlId);
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        return BoxText(*box->document());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text().toStdU16String();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        return frame->title().toStdU16String();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text().toStdU16String();
    }
    return {};
}

void QtControls::SetControlText(core::ControlRef controlId, std::u16string_view text) {
    QWidget* control = windows_.Control(controlId);
    if (auto* box = dynamic_cast<TextBox*>(control)) {
        box->SetText(ToQString(text));  // the user did not edit it
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(ToQString(text));
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(ToQString(text));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(ToQString(text));
    }
}

bool QtControls::IsChecked(core::ControlRef controlId) {
    auto* button = qobject_cast<QAbstractButton*>(windows_.Control(controlId));
    return button != nullptr && button->isChecked();
}

void QtControls::SetChecked(core::ControlRef controlId, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(windows_.Control(controlId))) {
        button->setChecked(checked);
    }
}

void QtControls::SetControlEnabled(core::ControlRef controlId, bool enabled) {
    if (QWidget* control = windows_.Control(controlId)) {
        control->setEnabled(enabled);
    }
}

void QtControls::SetControlVisible(core::ControlRef controlId, bool visible) {
    if (QWidget* control = windows_.Control(controlId)) {
        control->setVisible(visible);
    }
}

core::Rect QtControls::ControlGeometry(core::ControlRef controlId) {
    const QWidget* control = windows_.Control(controlId);
    if (control == nullptr) {
        return {};
    }
    const QRect place = control->geometry();
    return {place.x(), place.y(), place.width(), place.height()};
}

void QtControls::SetControlGeometry(core::ControlRef controlId, const core::Rect& geometry) {
    if (QWidget* control = windows_.Control(controlId)) {
        control->setGeometry(geometry.x, geometry.y, geometry.width, geometry.height);
    }
}

void QtControls::SelectAllText(core::ControlRef controlId, int length) {
    auto* box = qobject_cast<QPlainTextEdit*>(windows_.Control(controlId));
    if (box == nullptr) {
        return;
    }
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(0);
    if (length > 0) {
        cursor.setPosition(std::min(length, box->document()->characterCount() - 1),
                           QTextCursor::KeepAnchor);
    }
    box->setTextCursor(cursor);
}

std::optional<core::ControlRef> QtControls::FocusedControl() {
    return ui::FocusedControl();
}

void QtControls::SetFocus(std::optional<core::ControlRef> control) {
    if (QWidget* widget = control ? windows_.Control(*control) : nullptr) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

int QtControls::ShownTab() {
    const QTabWidget* tabs = windows_.Tabs();
    return tabs != nullptr ? tabs->currentIndex() : -1;
}

void QtControls::ShowTab(int index) {
    if (QTabWidget* tabs = windows_.Tabs()) {
        const QSignalBlocker quiet(tabs);  // the user did not change the tab
        tabs->setCurrentIndex(index);
    }
}

namespace {

ListGrid* GridOf(QWidget* control) {
    return dynamic_cast<ListGrid*>(control);
}

QStringList RowOf(const std::vector<std::u16string>& cells, int columns) {
    QStringList row;
    const int count = std::min(columns, static_cast<int>(cells.size()));
    row.reserve(count);
    for (int column = 0; column < count; ++column) {
        row.append(ToQString(cells[static_cast<std::size_t>(column)]));
    }
    return row;
}

}  // namespace

void QtControls::ClearGridRows(core::ControlRef gridId) {
    if (ListGrid* grid = GridOf(windows_.Control(gridId))) {
        grid->Model().ClearRows();
    }
}

void QtControls::RemoveGridColumn(core::ControlRef gridId, int index) {
    if (ListGrid* grid = GridOf(windows_.Control(gridId))) {
        grid->RemoveColumn(index);
    }
}

void QtControls::InsertGridColumn(core::ControlRef gridId, int index, std::u16string_view title,
                                  int width) {
    if (ListGrid* grid = GridOf(windows_.Control(gridId))) {
        grid->InsertTitledColumn(index, ToQString(title), width);
    }
}

void QtControls::AppendGridRow(core::ControlRef gridId, const std::vector<std::u16string>& cells) {
    AppendGridRows(gridId, {cells});
}

void QtControls::AppendGridRows(core::ControlRef gridId,
                                const std::vector<std::vector<std::u16string>>& rows) {
    ListGrid* grid = GridOf(windows_.Control(gridId));
    if (grid == nullptr) {
        return;
    }
    // A cell beyond the grid's columns is dropped, as the grid has nowhere to show it.
    const int columns = grid->Model().columnCount();
    std::vector<QStringList> added;
    added.reserve(rows.size());
    for (const std::vector<std::u16string>& cells : rows) {
        added.push_back(RowOf(cells, columns));
    }
    grid->Model().AppendRows(std::move(added));
}

void QtControls::MarkGridRow(core::ControlRef gridId, int row) {
    if (ListGrid* grid = GridOf(windows_.Control(gridId))) {
        grid->Model().MarkRow(row);
    }
}

int QtControls::GridRowCount(core::ControlRef gridId) {
    const ListGrid* grid = GridOf(windows_.Control(gridId));
    return grid != nullptr ? grid->Model().rowCount() : 0;
}

int QtControls::GridColumnCount(core::ControlRef gridId) {
    const ListGrid* grid = GridOf(windows_.Control(gridId));
    return grid != nullptr ? grid->Model().columnCount() : 0;
}

std::u16string QtControls::GridColumnTitle(core::ControlRef gridId, int column) {
    const ListGrid* grid = GridOf(windows_.Control(gridId));
    return grid != nullptr ? grid->Model().Title(column).toStdU16String() : std::u16string();
}

std::u16string QtControls::GridCellText(core::ControlRef gridId, int row, int column) {
    const ListGrid* grid = GridOf(windows_.Control(gridId));
    return grid != nullptr ? grid->Model().Cell(row, column).toStdU16String() : std::u16string();
}

int QtControls::GridSelectedRow(core::ControlRef gridId) {
    const ListGrid* grid = GridOf(windows_.Control(gridId));
    return grid != nullptr ? grid->SelectedRow() : -1;
}

void QtControls::SetProgress(core::ControlRef barId, int value) {
    if (auto* bar = qobject_cast<QProgressBar*>(windows_.Control(barId))) {
        if (value == kProgressBusy) {
            bar->setRange(0, 0);  // Qt's busy bar
        } else {
            bar->setRange(0, 100);
            bar->setValue(value);
        }
        bar->repaint();  // the run holds the event loop, so paint now
    }
}

void QtControls::SetMenuItemEnabled(core::MenuItem itemId, bool enabled) {
    if (QAction* item = windows_.MenuItem(itemId)) {
        item->setEnabled(enabled);
    }
}

}  // namespace hashwell::ui
