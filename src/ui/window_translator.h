#pragma once

// The About and Preferences windows' signals turned into core events.

#include <QObject>
#include <functional>

#include "core/desktop/event.h"
#include "ui/window_registry.h"

namespace hashwell::ui {

// Turns what the user does to a secondary window (About, Preferences) into core events: left
// clicks on its buttons, boxes and link, F1, and the close box, which only asks the core (the
// core hides the window). Right and double clicks raise nothing.
class WindowTranslator final : public QObject {
public:
    using Post = std::function<void(const core::Event&)>;

    WindowTranslator(const WindowWidgets& window, core::WindowId windowId, Post post);

    // Lets the next close through: the program itself is closing the window.
    void AllowClose() { closeAllowed_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const WindowWidgets& window_;
    core::WindowId windowId_;
    Post post_;
    bool closeAllowed_ = false;
};

}  // namespace hashwell::ui
