#pragma once

// The grid of the List of Files tab: a table view over rows of texts held once, so that runs of
// a hundred thousand files appear, scroll and export at once; its code columns widen with the
// window.

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

namespace hashwell::ui {

// The grid's titles and rows, as the view shows them.
class GridModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void InsertColumn(int index, const QString& title);
    void RemoveColumn(int index);
    void ClearRows();
    void AppendRows(std::vector<QStringList> rows);
    // The row's text is drawn in red, as needing attention, until the rows are cleared.
    void MarkRow(int row);
    QString Cell(int row, int column) const;
    QString Title(int column) const;

private:
    QStringList titles_;
    std::vector<QStringList> rows_;
    std::vector<bool> marked_;  // per row
};

// The widths a column is given are the least it takes. When the grid grows beyond the width it
// was built with, the growth goes to the code columns (all but the first), each up to what its
// longest code needs, so that enlarging the window shows whole codes. A column the user has
// sized by hand is left as the user left it.
class ListGrid final : public QTableView {
public:
    ListGrid(int builtWidth, QWidget* parent);

    GridModel& Model() { return model_; }
    const GridModel& Model() const { return model_; }

    // Inserts a titled column of the given least width.
    void InsertTitledColumn(int index, const QString& title, int width);
    void RemoveColumn(int index);
    // The selected row, or -1.
    int SelectedRow() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitLater();
    void Fit();

    GridModel model_;
    int builtWidth_;
    std::vector<int> leastWidths_;  // per column
    std::vector<bool> userSized_;   // per column
    bool sizing_ = false;           // the grid sets the widths itself: not the user's sizing
    bool fitPending_ = false;
};

}  // namespace hashwell::ui
