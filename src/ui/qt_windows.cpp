#include "ui/qt_windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include "core/desktop/ids.h"
#include "core/windows/main_window_controls.h"
#include "ui/about_window.h"
#include "ui/event_translator.h"
#include "ui/main_window.h"
#include "ui/preferences_window.h"
#include "ui/qt_event_queue.h"
#include "ui/window_translator.h"

namespace hashwell::ui {

// Tells the resize handler when the area of a window below its menu bar changes size, and
// repaints the whole window.
class ResizeWatcher final : public QObject {
public:
    explicit ResizeWatcher(std::function<void(core::WindowId)>& handler) : handler_(handler) {}
    void Watch(core::WindowId windowId, const WindowWidgets& widgets) {
        watched_[widgets.client] = windowId;
        widgets.client->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto found = watched_.find(watched);
        if (found != watched_.end() && event->type() == QEvent::Resize) {
            if (handler_) {
                handler_(found->second);
            }
            static_cast<QWidget*>(watched)->window()->update();
        }
        return false;
    }

private:
    std::function<void(core::WindowId)>& handler_;
    std::map<QObject*, core::WindowId> watched_;
};

namespace {

constexpr qint64 kActivationWaitMs = 500;

// A window just shown comes to the front a moment later, once the window system has said so;
// until then it does not count as the foreground window (and would not take its skin).
void WaitUntilActive(QWidget* window) {
    window->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!window->isActiveWindow() && waited.elapsed() < kActivationWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
}

}  // namespace

QtWindows::QtWindows(QtEventQueue& events)
    : events_(events), resizeWatcher_(std::make_unique<ResizeWatcher>(resizeHandler_)) {
    // The core ends the program, not the closing of some window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

QtWindows::~QtWindows() = default;

QMainWindow* QtWindows::MainWindow() const {
    return static_cast<QMainWindow*>(registry_.Window(core::WindowId::MainWindow));
}

bool QtWindows::BuildMainWindow() {
    const WindowWidgets& main = registry_.Add(core::WindowId::MainWindow, BuildMainWindowWidgets());
    mainTranslator_ = std::make_unique<EventTranslator>(
        main, [this](const core::Event& event) { events_.PostEvent(event); });
    QWidget* window = main.window.get();
    window->resize(core::MainWindowSpec().width, core::MainWindowSpec().height);
    window->setMinimumSize(window->size());
    if (const QScreen* screen = window->screen()) {
        window->move(screen->availableGeometry().center() - window->rect().center());
    }
    resizeWatcher_->Watch(core::WindowId::MainWindow, main);
    // The menu bar and the area below it get their sizes now, not when the window is shown,
    // so that the controls can be anchored to the window as it was built.
    window->ensurePolished();
    window->layout()->activate();
    return true;
}

bool QtWindows::BuildWindow(core::WindowId windowId) {
    QWidget* owner = MainWindow();
    WindowWidgets widgets;
    if (windowId == core::WindowId::AboutWindow) {
        widgets = BuildAboutWindowWidgets(owner);
    } else if (windowId == core::WindowId::PreferencesWindow) {
        widgets = BuildPreferencesWindowWidgets(owner);
    } else {
        return false;
    }
    const WindowWidgets& built = registry_.Add(windowId, std::move(widgets));
    windowTranslators_[windowId] = std::make_unique<WindowTranslator>(
        built, windowId, [this](const core::Event& event) { events_.PostEvent(event); });
    QWidget* window = built.window.get();
    if (const QScreen* screen = owner != nullptr ? owner->screen() : window->screen()) {
        window->move(screen->availableGeometry().center() - window->rect().center());
    }
    return true;
}

void QtWindows::CentreWindow(core::WindowId windowId, core::WindowId overWindowId) {
    QWidget* window = registry_.Window(windowId);
    const QWidget* over = registry_.Window(overWindowId);
    if (window != nullptr && over != nullptr) {
        window->move(over->frameGeometry().center() - window->rect().center());
    }
}

void QtWindows::ShowWindow(core::WindowId windowId) {
    QWidget* window = registry_.Window(windowId);
    if (window == nullptr) {
        return;
    }
    window->show();
    if (windowId == core::WindowId::MainWindow) {
        mainTranslator_->WatchNativeWindow();
    }
    WaitUntilActive(window);
}

void QtWindows::HideWindow(core::WindowId windowId) {
    if (QWidget* window = registry_.Window(windowId)) {
        window->hide();
    }
}

void QtWindows::CloseWindow(core::WindowId windowId) {
    QWidget* window = registry_.Window(windowId);
    if (window == nullptr) {
        return;
    }
    if (windowId == core::WindowId::MainWindow) {
        mainTranslator_->AllowClose();
    } else if (const auto found = windowTranslators_.find(windowId);
               found != windowTranslators_.end()) {
        found->second->AllowClose();
    }
    window->close();
}

void QtWindows::SetResizeHandler(std::function<void(core::WindowId)> handler) {
    resizeHandler_ = std::move(handler);
}

core::Size QtWindows::ClientSize(core::WindowId windowId) {
    const WindowWidgets* widgets = registry_.Find(windowId);
    if (widgets == nullptr || widgets->client == nullptr) {
        return {};
    }
    return {widgets->client->width(), widgets->client->height()};
}

bool QtWindows::IsForegroundWindow(core::WindowId windowId) {
    const QWidget* window = registry_.Window(windowId);
    return window != nullptr && window->isActiveWindow();
}

void QtWindows::SetWindowBackground(core::WindowId windowId, const core::WindowColour& colour) {
    const WindowWidgets* widgets = registry_.Find(windowId);
    if (widgets == nullptr) {
        return;
    }
    // The area below the menu bar takes the skin; the menu bar keeps the system's colours.
    QWidget* surface = widgets->client;
    // The system's window colour is what the platform gives document backgrounds.
    const QColor background = colour.system
                                  ? QApplication::style()->standardPalette().color(QPalette::Base)
                                  : QColor(colour.rgb.red, colour.rgb.green, colour.rgb.blue);
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window, background);
    if (!colour.system) {
        // The style's grey for disabled text vanishes on the darker skins.
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
            palette.setColor(QPalette::Disabled, role, QColor(112, 112, 112));
        }
    }
    surface->setPalette(palette);
    surface->setAutoFillBackground(true);
    surface->update();
}

void QtWindows::SetWindowTopMost(core::WindowId windowId, bool topMost) {
    if (QWidget* window = registry_.Window(windowId)) {
        // Changing a shown widget's flags would hide it and take it out of the front; the
        // native window takes the hint as it stands.
        if (QWindow* native = window->windowHandle()) {
            native->setFlag(Qt::WindowStaysOnTopHint, topMost);
        } else {
            window->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
        }
    }
}

}  // namespace hashwell::ui
