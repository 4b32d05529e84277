#pragma once

// Text drags out of the Text tab's boxes.

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

namespace hashwell::ui {

// Tells when the user starts dragging selected text out of a text box, instead of letting the
// box drag the selection itself: the program drags the box's whole text.
class TextDragWatcher final : public QObject {
public:
    // `started` is called with the box's control id.
    explicit TextDragWatcher(std::function<void(int controlId)> started);
    void Watch(QWidget* box, int controlId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int)> started_;
    QPoint pressedAt_;
    bool armed_ = false;     // the left button went down on the selection
    bool dragging_ = false;  // the drag has been reported; moves until the release are the drag's
};

}  // namespace hashwell::ui
