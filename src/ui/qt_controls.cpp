#include "ui/qt_controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableWidget>

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

void QtControls::ClearGridRows(core::ControlRef gridId) {
    if (auto* grid = qobject_cast<QTableWidget*>(windows_.Control(gridId))) {
        grid->setRowCount(0);
    }
}

void QtControls::RemoveGridColumn(core::ControlRef gridId, int index) {
    if (auto* grid = dynamic_cast<ListGrid*>(windows_.Control(gridId))) {
        grid->RemoveColumn(index);
    }
}

void QtControls::InsertGridColumn(core::ControlRef gridId, int index, std::u16string_view title,
                                  int width) {
    if (auto* grid = dynamic_cast<ListGrid*>(windows_.Control(gridId))) {
        grid->InsertTitledColumn(index, ToQString(title), width);
    }
}

void QtControls::AppendGridRow(core::ControlRef gridId, const std::vector<std::u16string>& cells) {
    auto* grid = qobject_cast<QTableWidget*>(windows_.Control(gridId));
    if (grid == nullptr) {
        return;
    }
    const int row = grid->rowCount();
    grid->insertRow(row);
    const int columns = std::min(grid->columnCount(), static_cast<int>(cells.size()));
    for (int column = 0; column < columns; ++column) {
        grid->setItem(row, column, new QTableWidgetItem(ToQString(cells[column])));
    }
}

int QtControls::GridRowCount(core::ControlRef gridId) {
    auto* grid = qobject_cast<QTableWidget*>(windows_.Control(gridId));
    return grid != nullptr ? grid->rowCount() : 0;
}

int QtControls::GridColumnCount(core::ControlRef gridId) {
    auto* grid = qobject_cast<QTableWidget*>(windows_.Control(gridId));
    return grid != nullptr ? grid->columnCount() : 0;
}

std::u16string QtControls::GridColumnTitle(core::ControlRef gridId, int column) {
    auto* grid = qobject_cast<QTableWidget*>(windows_.Control(gridId));
    const QTableWidgetItem* title = grid != nullptr ? grid->horizontalHeaderItem(column) : nullptr;
    return title != nullptr ? title->text().toStdU16String() : std::u16string();
}

std::u16string QtControls::GridCellText(core::ControlRef gridId, int row, int column) {
    auto* grid = qobject_cast<QTableWidget*>(windows_.Control(gridId));
    const QTableWidgetItem* cell = grid != nullptr ? grid->item(row, column) : nullptr;
    return cell != nullptr ? cell->text().toStdU16String() : std::u16string();
}

int QtControls::GridSelectedRow(core::ControlRef gridId) {
    auto* grid = qobject_cast<QTableWidget*>(windows_.Control(gridId));
    if (grid == nullptr || grid->selectionModel() == nullptr) {
        return -1;
    }
    const QModelIndexList rows = grid->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
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
