#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <memory>

#include "core/desktop.h"
#include "core/event.h"
#include "ui/event_translator.h"
#include "ui/main_window.h"

class QAction;

namespace hashwell::ui {

// The desktop of the real program: Qt widgets addressed by the core's ids. Qt owns the event
// loop; user actions become core events handed to the event handler.
class QtDesktop final : public QObject, public core::Desktop {
    Q_OBJECT

public:
    QtDesktop();
    ~QtDesktop() override;

    // Where events go outside RunEventLoop; for tests that watch the events themselves.
    void SetEventHandler(std::function<void(const core::Event&)> handler);
    // Answers message boxes instead of showing them; for tests, which cannot click a modal box.
    void SetMessageBoxAnswerer(
        std::function<platform::MessageAnswer(const platform::MessageBoxRequest&)> answerer);

    // Queues an event; it reaches the handler when Qt next processes its queue.
    void PostEvent(const core::Event& event);
    // The id of the last window, menu item or control event, also of one that was drained.
    int LastObjectId() const { return lastObjectId_; }

    QMainWindow* MainWindow() const { return main_.window.get(); }
    QWidget* Control(int controlId) const;
    QAction* MenuItem(int itemId) const;

    // core::Desktop
    platform::MessageAnswer ShowMessageBox(const platform::MessageBoxRequest& box) override;
    void RunEventLoop(const std::function<bool(const core::Event&)>& handle) override;
    void SetResizeHandler(std::function<void(int windowId)> handler) override;
    void SetWindowTopMost(int windowId, bool topMost) override;
    void HideWindow(int windowId) override;
    void CloseWindow(int windowId) override;
    void SetFocus(int controlId) override;
    std::vector<platform::Path> ShowOpenDialog(const core::OpenDialogRequest& request) override;
    bool BuildMainWindow() override;
    void ShowWindow(int windowId) override;
    core::Size ClientSize(int windowId) override;
    bool IsForegroundWindow(int windowId) override;
    void SetWindowBackground(int windowId, const core::WindowColour& colour) override;
    std::u16string ControlText(int controlId) override;
    void SetControlText(int controlId, std::u16string_view text) override;
    bool IsChecked(int controlId) override;
    void SetChecked(int controlId, bool checked) override;
    void SetControlEnabled(int controlId, bool enabled) override;
    void SetControlVisible(int controlId, bool visible) override;
    core::Rect ControlGeometry(int controlId) override;
    void SetControlGeometry(int controlId, const core::Rect& geometry) override;
    int FocusedControl() override;
    int ShownTab() override;
    void ShowTab(int index) override;
    void ClearGridRows(int gridId) override;
    void RemoveGridColumn(int gridId, int index) override;
    void InsertGridColumn(int gridId, int index, std::u16string_view title, int width) override;
    void AppendGridRow(int gridId, const std::vector<std::u16string>& cells) override;
    int GridRowCount(int gridId) override;
    void SetProgress(int barId, int value) override;
    void SetMenuItemEnabled(int itemId, bool enabled) override;
    void DrainEvents() override;
    void RepaintWindows() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Deliver(const core::Event& event);
    void HandleBacklog();
    bool HandleRightButton(QEvent* event);
    QWidget* Window(int windowId) const;
    QWidget* SkinSurface(int windowId) const;
    static void WaitUntilActive(QWidget* window);

    MainWindowWidgets main_;
    std::unique_ptr<EventTranslator> translator_;
    std::deque<core::Event> backlog_;  // events waiting for their turn
    bool handling_ = false;
    std::function<void(const core::Event&)> eventHandler_;
    std::function<void(int)> resizeHandler_;
    std::function<platform::MessageAnswer(const platform::MessageBoxRequest&)> answerer_;
    bool draining_ = false;
    bool watchingMainWindow_ = false;
    int lastObjectId_ = 0;
};

}  // namespace hashwell::ui
