#include "ui/text_drag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace hashwell::ui {

TextDragWatcher::TextDragWatcher(std::function<void(int)> started) : started_(std::move(started)) {}

void TextDragWatcher::Watch(QWidget* box, int controlId) {
    auto* edit = qobject_cast<QPlainTextEdit*>(box);
    edit->viewport()->setProperty("hashwellDragId", controlId);
    edit->viewport()->installEventFilter(this);
}

bool TextDragWatcher::eventFilter(QObject* watched, QEvent* event) {
    auto* viewport = static_cast<QWidget*>(watched);
    auto* box = qobject_cast<QPlainTextEdit*>(viewport->parentWidget());
    if (box == nullptr) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* press = static_cast<QMouseEvent*>(event);
            const QTextCursor selection = box->textCursor();
            const int at = box->cursorForPosition(press->position().toPoint()).position();
            // The box starts its own drag of the selection from a press up to and including its
            // end (the right half of its last character): all of that is the program's drag.
            armed_ = press->button() == Qt::LeftButton && selection.hasSelection() &&
                     at >= selection.selectionStart() && at <= selection.selectionEnd();
            dragging_ = false;
            pressedAt_ = press->position().toPoint();
            return false;
        }
        case QEvent::MouseMove: {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (dragging_) {
                return true;
            }
            if (armed_ && (move->buttons() & Qt::LeftButton) &&
                (move->position().toPoint() - pressedAt_).manhattanLength() >=
                    QApplication::startDragDistance()) {
                dragging_ = true;
                started_(viewport->property("hashwellDragId").toInt());
                return true;
            }
            return false;
        }
        case QEvent::MouseButtonRelease: {
            const bool wasDragging = dragging_;
            armed_ = dragging_ = false;
            return wasDragging;
        }
        default:
            return false;
    }
}

}  // namespace hashwell::ui
