#pragma once

// The main window's widgets' signals turned into core events.

#include <QObject>
#include <functional>
#include <memory>

#include "core/desktop/event.h"
#include "ui/drop_targets.h"
#include "ui/text_drag.h"
#include "ui/window_registry.h"

class QMainWindow;

namespace hashwell::ui {

// Turns what the user does to the main window's widgets into core events: menu items (of the
// menu bar and the context menus), F1, buttons, options, check boxes, tab changes, edits and
// mouse clicks on the boxes and the grid, the right button over any control, drops, text drags
// out of the Text tab's boxes, mouse movements over the window, and its close box. Changes the
// program makes itself raise no events.
class EventTranslator final : public QObject {
    Q_OBJECT

public:
    using Post = std::function<void(const core::Event&)>;

    EventTranslator(const WindowWidgets& main, Post post);

    // Watches the shown window's own event stream, seen before Qt hands an event to a child
    // widget, for the right button.
    void WatchNativeWindow();
    // Lets the next close of the main window through: the program itself is closing it.
    void AllowClose() { closeAllowed_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PostControl(int controlId, core::EventType type = core::EventType::LeftClick);
    void WatchMouse(QWidget* control);
    bool HandleRightButton(QEvent* event);
    QMainWindow* Window() const;

    const WindowWidgets& main_;
    Post post_;
    std::unique_ptr<DropTargets> drops_;
    std::unique_ptr<TextDragWatcher> drags_;
    bool closeAllowed_ = false;
    bool watchingNativeWindow_ = false;
};

}  // namespace hashwell::ui
