#pragma once

#include <QObject>
#include <functional>

#include "core/event.h"
#include "ui/main_window.h"

namespace hashwell::ui {

// Turns what the user does to the main window's widgets into core events: menu items, F1,
// buttons, options, check boxes, tab changes, edits and mouse clicks on the boxes and the
// grid, and the window's close box. Changes the program makes itself raise no events.
class EventTranslator final : public QObject {
    Q_OBJECT

public:
    using Post = std::function<void(const core::Event&)>;

    EventTranslator(const MainWindowWidgets& main, Post post);

    // Lets the next close of the main window through: the program itself is closing it.
    void AllowClose() { closeAllowed_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PostControl(int controlId, core::EventType type = core::EventType::LeftClick);
    void WatchMouse(QWidget* control);

    const MainWindowWidgets& main_;
    Post post_;
    bool closeAllowed_ = false;
};

}  // namespace hashwell::ui
