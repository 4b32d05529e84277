#pragma once

// The grid of the List of Files tab, whose code columns widen with the window.

#include <QTableWidget>
#include <vector>

namespace hashwell::ui {

// The widths a column is given are the least it takes. When the grid grows beyond the width it
// was built with, the growth goes to the code columns (all but the first), each up to what its
// longest code needs, so that enlarging the window shows whole codes. A column the user has
// sized by hand is left as the user left it.
class ListGrid final : public QTableWidget {
public:
    ListGrid(int builtWidth, QWidget* parent);

    // Inserts a titled column of the given least width.
    void InsertTitledColumn(int index, const QString& title, int width);
    void RemoveColumn(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitLater();
    void Fit();

    int builtWidth_;
    std::vector<int> leastWidths_;  // per column
    std::vector<bool> userSized_;   // per column
    bool sizing_ = false;           // the grid sets the widths itself: not the user's sizing
    bool fitPending_ = false;
};

}  // namespace hashwell::ui
