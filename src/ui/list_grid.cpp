#include "ui/list_grid.h"

#include <QHeaderView>
#include <QTimer>
#include <algorithm>
#include <numeric>

namespace hashwell::ui {

ListGrid::ListGrid(int builtWidth, QWidget* parent)
    : QTableWidget(0, 0, parent), builtWidth_(builtWidth) {
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int) {
        if (!sizing_ && column >= 0 && static_cast<std::size_t>(column) < userSized_.size()) {
            userSized_[static_cast<std::size_t>(column)] = true;
        }
    });
    // New rows may hold longer codes.
    connect(model(), &QAbstractItemModel::rowsInserted, this, &ListGrid::FitLater);
}

void ListGrid::InsertTitledColumn(int index, const QString& title, int width) {
    index = std::clamp(index, 0, columnCount());
    sizing_ = true;
    insertColumn(index);
    setHorizontalHeaderItem(index, new QTableWidgetItem(title));
    setColumnWidth(index, width);
    sizing_ = false;
    leastWidths_.insert(leastWidths_.begin() + index, width);
    userSized_.insert(userSized_.begin() + index, false);
    FitLater();
}

void ListGrid::RemoveColumn(int index) {
    if (index < 0 || index >= columnCount()) {
        return;
    }
    sizing_ = true;
    removeColumn(index);
    sizing_ = false;
    if (static_cast<std::size_t>(index) < leastWidths_.size()) {
        leastWidths_.erase(leastWidths_.begin() + index);
        userSized_.erase(userSized_.begin() + index);
    }
}

void ListGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
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
