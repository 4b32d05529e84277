#include "ui/list_grid.h"

#include <QColor>
#include <QHeaderView>
#include <QTimer>
#include <algorithm>
#include <numeric>

namespace hashwell::ui {

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::ForegroundRole) {
        const auto row = static_cast<std::size_t>(index.row());
        // A dark red, readable on the grid's white in every skin.
        return row < marked_.size() && marked_[row] ? QVariant(QColor(192, 0, 0)) : QVariant();
    }
    return role == Qt::DisplayRole ? QVariant(Cell(index.row(), index.column())) : QVariant();
}

void GridModel::MarkRow(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    marked_.resize(rows_.size());
    marked_[static_cast<std::size_t>(row)] = true;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::ForegroundRole});
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return Title(section);
}

void GridModel::InsertColumn(int index, const QString& title) {
    beginInsertColumns({}, index, index);
    titles_.insert(index, title);
    for (QStringList& row : rows_) {
        if (index <= row.size()) {
            row.insert(index, QString());
        }
    }
    endInsertColumns();
}

void GridModel::RemoveColumn(int index) {
    beginRemoveColumns({}, index, index);
    titles_.removeAt(index);
    for (QStringList& row : rows_) {
        if (index < row.size()) {
            row.removeAt(index);
        }
    }
    endRemoveColumns();
}

void GridModel::ClearRows() {
    beginResetModel();
    rows_.clear();
    marked_.clear();
    endResetModel();
}

void GridModel::AppendRows(std::vector<QStringList> rows) {
    if (rows.empty()) {
        return;
    }
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (QStringList& row : rows) {
        rows_.push_back(std::move(row));
    }
    endInsertRows();
}

QString GridModel::Cell(int row, int column) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return {};
    }
    const QStringList& cells = rows_[static_cast<std::size_t>(row)];
    return column >= 0 && column < cells.size() ? cells[column] : QString();
}

QString GridModel::Title(int column) const {
    return column >= 0 && column < titles_.size() ? titles_[column] : QString();
}

ListGrid::ListGrid(int builtWidth, QWidget* parent)
    : QTableView(parent), model_(this), builtWidth_(builtWidth) {
    setModel(&model_);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int) {
        if (!sizing_ && column >= 0 && static_cast<std::size_t>(column) < userSized_.size()) {
            userSized_[static_cast<std::size_t>(column)] = true;
        }
    });
    // New rows may hold longer codes.
    connect(model(), &QAbstractItemModel::rowsInserted, this, &ListGrid::FitLater);
}

void ListGrid::InsertTitledColumn(int index, const QString& title, int width) {
    index = std::clamp(index, 0, model_.columnCount());
    sizing_ = true;
    model_.InsertColumn(index, title);
    setColumnWidth(index, width);
    sizing_ = false;
    leastWidths_.insert(leastWidths_.begin() + index, width);
    userSized_.insert(userSized_.begin() + index, false);
    FitLater();
}

void ListGrid::RemoveColumn(int index) {
    if (index < 0 || index >= model_.columnCount()) {
        return;
    }
    sizing_ = true;
    model_.RemoveColumn(index);
    sizing_ = false;
    if (static_cast<std::size_t>(index) < leastWidths_.size()) {
        leastWidths_.erase(leastWidths_.begin() + index);
        userSized_.erase(userSized_.begin() + index);
    }
}

int ListGrid::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void ListGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    Fit();
}

void ListGrid::FitLater() {
    // Rows arrive many at a time: one fit after them.
    if (!fitPending_) {
        fitPending_ = true;
        QTimer::singleShot(0, this, [this] {
            fitPending_ = false;
            Fit();
        });
    }
}

void ListGrid::Fit() {
    struct Growing {
        int column;
        int room;  // what its longest code needs beyond its least width
    };
    std::vector<Growing> growing;
    for (int column = 1; column < static_cast<int>(leastWidths_.size()); ++column) {
        if (!userSized_[static_cast<std::size_t>(column)]) {
            const int least = leastWidths_[static_cast<std::size_t>(column)];
            growing.push_back({column, std::max(0, sizeHintForColumn(column) - least)});
        }
    }
    // The growth is shared out evenly; what a column cannot use goes to the others.
    int left = std::max(0, width() - builtWidth_);
    std::sort(growing.begin(), growing.end(),
              [](const Growing& a, const Growing& b) { return a.room < b.room; });
    sizing_ = true;
    for (std::size_t i = 0; i < growing.size(); ++i) {
        const int share = std::min(growing[i].room, left / static_cast<int>(growing.size() - i));
        left -= share;
        setColumnWidth(growing[i].column,
                       leastWidths_[static_cast<std::size_t>(growing[i].column)] + share);
    }
    sizing_ = false;
}

}  // namespace hashwell::ui
