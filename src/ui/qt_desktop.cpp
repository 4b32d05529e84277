#include "ui/qt_desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QWindow>
#include <algorithm>

#include "core/ids.h"
#include "core/window_hook.h"
#include "ui/main_window_layout.h"
#include "ui/open_dialog.h"
#include "ui/qt_text.h"

namespace hashwell::ui {
namespace {

// A core event waiting in Qt's queue.
class QueuedCoreEvent : public QEvent {
public:
    static QEvent::Type Type() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    explicit QueuedCoreEvent(const core::Event& event) : QEvent(Type()), coreEvent(event) {}
    core::Event coreEvent;
};

constexpr qint64 kActivationWaitMs = 500;

// What the user does with mouse and keyboard, as opposed to what the program itself causes.
bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

QMessageBox::Icon ToQtIcon(platform::MessageIcon icon) {
    switch (icon) {
        case platform::MessageIcon::Error:
            return QMessageBox::Critical;
        case platform::MessageIcon::Warning:
            return QMessageBox::Warning;
        case platform::MessageIcon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtDesktop::QtDesktop() {
    // The core ends the program, not the closing of some window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}
QtDesktop::~QtDesktop() = default;

void QtDesktop::SetEventHandler(std::function<void(const core::Event&)> handler) {
    eventHandler_ = std::move(handler);
}

void QtDesktop::SetResizeHandler(std::function<void(int)> handler) {
    resizeHandler_ = std::move(handler);
}

void QtDesktop::SetMessageBoxAnswerer(
    std::function<platform::MessageAnswer(const platform::MessageBoxRequest&)> answerer) {
    answerer_ = std::move(answerer);
}

void QtDesktop::PostEvent(const core::Event& event) {
    QCoreApplication::postEvent(this, new QueuedCoreEvent(event));
}

QWidget* QtDesktop::Control(int controlId) const {
    const auto found = main_.controls.find(controlId);
    return found == main_.controls.end() ? nullptr : found->second;
}

QAction* QtDesktop::MenuItem(int itemId) const {
    const auto found = main_.menuItems.find(itemId);
    return found == main_.menuItems.end() ? nullptr : found->second;
}

QWidget* QtDesktop::Window(int windowId) const {
    return windowId == core::WindowId::MainWindow ? main_.window.get() : nullptr;
}

platform::MessageAnswer QtDesktop::ShowMessageBox(const platform::MessageBoxRequest& box) {
    if (answerer_) {
        return answerer_(box);
    }
    const bool question = box.buttons == platform::MessageButtons::YesNo;
    QMessageBox dialog(ToQtIcon(box.icon), ToQString(box.title), ToQString(box.text),
                       question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                       main_.window.get());
    const int answer = dialog.exec();
    if (!question) {
        return platform::MessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
}

bool QtDesktop::BuildMainWindow() {
    main_ = BuildMainWindowWidgets();
    translator_ = std::make_unique<EventTranslator>(
        main_, [this](const core::Event& event) { PostEvent(event); });
    QMainWindow* window = main_.window.get();
    window->resize(kMainClientWidth, kMainClientHeight);
    window->setMinimumSize(window->size());
    if (const QScreen* screen = window->screen()) {
        window->move(screen->availableGeometry().center() - window->rect().center());
    }
    main_.client->installEventFilter(this);
    // The menu bar and the area below it get their sizes now, not when the window is shown,
    // so that the controls can be anchored to the window as it was built.
    window->ensurePolished();
    window->layout()->activate();
    return true;
}

void QtDesktop::ShowWindow(int windowId) {
    QWidget* window = Window(windowId);
    if (window == nullptr) {
        return;
    }
    window->show();
    if (windowId == core::WindowId::MainWindow && !watchingMainWindow_) {
        // The window's own event stream, seen before Qt hands an event to a child widget.
        window->windowHandle()->installEventFilter(this);
        watchingMainWindow_ = true;
    }
    WaitUntilActive(window);
}

// A window just shown comes to the front a moment later, once the window system has said so;
// until then it does not count as the foreground window (and would not take its skin).
void QtDesktop::WaitUntilActive(QWidget* window) {
    window->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!window->isActiveWindow() && waited.elapsed() < kActivationWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
}

core::Size QtDesktop::ClientSize(int windowId) {
    if (windowId != core::WindowId::MainWindow || !main_.client) {
        return {};
    }
    return {main_.client->width(), main_.client->height()};
}

bool QtDesktop::IsForegroundWindow(int windowId) {
    const QWidget* window = Window(windowId);
    return window != nullptr && window->isActiveWindow();
}

// What a skin colours: the window's area below its menu bar, which keeps the system's colours.
QWidget* QtDesktop::SkinSurface(int windowId) const {
    return windowId == core::WindowId::MainWindow ? main_.client : Window(windowId);
}

void QtDesktop::SetWindowBackground(int windowId, const core::WindowColour& colour) {
    QWidget* window = SkinSurface(windowId);
    if (window == nullptr) {
        return;
    }
    // The system's window colour is what the platform gives document backgrounds.
    const QColor background = colour.system
                                  ? QApplication::style()->standardPalette().color(QPalette::Base)
                                  : QColor(colour.rgb.red, colour.rgb.green, colour.rgb.blue);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, background);
    if (!colour.system) {
        // The style's grey for disabled text vanishes on the darker skins.
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
            palette.setColor(QPalette::Disabled, role, QColor(112, 112, 112));
        }
    }
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->update();
}

std::u16string QtDesktop::ControlText(int controlId) {
    QWidget* control = Control(controlId);
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        return BoxText(*box->document());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text().toStdU16String();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        return frame->title().toStdU16String();
    }
    return {};
}

void QtDesktop::SetControlText(int controlId, std::u16string_view text) {
    QWidget* control = Control(controlId);
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        const QSignalBlocker quiet(box);  // the user did not edit it
        box->setPlainText(ToQString(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(ToQString(text));
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(ToQString(text));
    }
}

bool QtDesktop::IsChecked(int controlId) {
    auto* button = qobject_cast<QAbstractButton*>(Control(controlId));
    return button != nullptr && button->isChecked();
}

void QtDesktop::SetChecked(int controlId, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(Control(controlId))) {
        button->setChecked(checked);
    }
}

void QtDesktop::SetControlEnabled(int controlId, bool enabled) {
    if (QWidget* control = Control(controlId)) {
        control->setEnabled(enabled);
    }
}

void QtDesktop::SetControlVisible(int controlId, bool visible) {
    if (QWidget* control = Control(controlId)) {
        control->setVisible(visible);
    }
}

core::Rect QtDesktop::ControlGeometry(int controlId) {
    const QWidget* control = Control(controlId);
    if (control == nullptr) {
        return {};
    }
    const QRect place = control->geometry();
    return {place.x(), place.y(), place.width(), place.height()};
}

void QtDesktop::SetControlGeometry(int controlId, const core::Rect& geometry) {
    if (QWidget* control = Control(controlId)) {
        control->setGeometry(geometry.x, geometry.y, geometry.width, geometry.height);
    }
}

int QtDesktop::FocusedControl() {
    // The focus may sit on a part of a control; its id is on the control itself.
    for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        const QVariant id = widget->property("hashwellId");
        if (id.isValid()) {
            return id.toInt();
        }
    }
    return 0;
}

int QtDesktop::ShownTab() {
    return main_.tabs != nullptr ? main_.tabs->currentIndex() : -1;
}

void QtDesktop::ShowTab(int index) {
    if (main_.tabs != nullptr) {
        const QSignalBlocker quiet(main_.tabs);  // the user did not change the tab
        main_.tabs->setCurrentIndex(index);
    }
}

void QtDesktop::ClearGridRows(int gridId) {
    if (auto* grid = qobject_cast<QTableWidget*>(Control(gridId))) {
        grid->setRowCount(0);
    }
}

void QtDesktop::RemoveGridColumn(int gridId, int index) {
    auto* grid = qobject_cast<QTableWidget*>(Control(gridId));
    if (grid != nullptr && index >= 0 && index < grid->columnCount()) {
        grid->removeColumn(index);
    }
}

void QtDesktop::InsertGridColumn(int gridId, int index, std::u16string_view title, int width) {
    auto* grid = qobject_cast<QTableWidget*>(Control(gridId));
    if (grid == nullptr) {
        return;
    }
    index = std::clamp(index, 0, grid->columnCount());
    grid->insertColumn(index);
    grid->setHorizontalHeaderItem(index, new QTableWidgetItem(ToQString(title)));
    grid->setColumnWidth(index, width);
}

void QtDesktop::AppendGridRow(int gridId, const std::vector<std::u16string>& cells) {
    auto* grid = qobject_cast<QTableWidget*>(Control(gridId));
    if (grid == nullptr) {
        return;
    }
    const int row = grid->rowCount();
    grid->insertRow(row);
    const int columns = std::min(grid->columnCount(), static_cast<int>(cells.size()));
    for (int column = 0; column < columns; ++column) {
        grid->setItem(row, column, new QTableWidgetItem(ToQString(cells[column])));
    }
}

int QtDesktop::GridRowCount(int gridId) {
    auto* grid = qobject_cast<QTableWidget*>(Control(gridId));
    return grid != nullptr ? grid->rowCount() : 0;
}

void QtDesktop::SetProgress(int barId, int value) {
    if (auto* bar = qobject_cast<QProgressBar*>(Control(barId))) {
        bar->setValue(value);
        bar->repaint();  // the run holds the event loop, so paint now
    }
}

void QtDesktop::SetMenuItemEnabled(int itemId, bool enabled) {
    if (QAction* item = MenuItem(itemId)) {
        item->setEnabled(enabled);
    }
}

void QtDesktop::RunEventLoop(const std::function<bool(const core::Event&)>& handle) {
    QEventLoop loop;
    bool running = true;
    auto watcher = std::move(eventHandler_);
    eventHandler_ = [&](const core::Event& event) {
        if (running && !handle(event)) {
            running = false;
            loop.quit();
        }
    };
    QMetaObject::invokeMethod(this, &QtDesktop::HandleBacklog, Qt::QueuedConnection);
    loop.exec();
    eventHandler_ = std::move(watcher);
    backlog_.clear();
}

void QtDesktop::SetWindowTopMost(int windowId, bool topMost) {
    if (QWidget* window = Window(windowId)) {
        // Changing a shown widget's flags would hide it and take it out of the front; the
        // native window takes the hint as it stands.
        if (QWindow* native = window->windowHandle()) {
            native->setFlag(Qt::WindowStaysOnTopHint, topMost);
        } else {
            window->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
        }
    }
}

void QtDesktop::HideWindow(int windowId) {
    if (QWidget* window = Window(windowId)) {
        window->hide();
    }
}

void QtDesktop::CloseWindow(int windowId) {
    QWidget* window = Window(windowId);
    if (window == nullptr) {
        return;
    }
    if (windowId == core::WindowId::MainWindow && translator_) {
        translator_->AllowClose();
    }
    window->close();
}

void QtDesktop::SetFocus(int controlId) {
    if (QWidget* control = Control(controlId)) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

std::vector<platform::Path> QtDesktop::ShowOpenDialog(const core::OpenDialogRequest& request) {
    // Owned by the program's window in front; modal, so the others are disabled meanwhile.
    QWidget* owner = QApplication::activeWindow();
    if (owner == nullptr) {
        owner = main_.window.get();
    }
    // A window kept on top could hide the dialog; it lets the dialog above it meanwhile.
    QWindow* onTop = owner != nullptr && owner->windowHandle() != nullptr &&
                             owner->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint)
                         ? owner->windowHandle()
                         : nullptr;
    if (onTop != nullptr) {
        onTop->setFlag(Qt::WindowStaysOnTopHint, false);
    }
    std::vector<platform::Path> chosen = RunOpenDialog(owner, request);
    if (onTop != nullptr) {
        onTop->setFlag(Qt::WindowStaysOnTopHint, true);
    }
    return chosen;
}

void QtDesktop::DrainEvents() {
    // Pending repaints and the like are handled; clicks and keys made meanwhile are thrown
    // away before any control sees them, and the core events pending are dropped.
    for (const core::Event& waiting : backlog_) {
        if (waiting.kind != core::EventKind::MouseMove) {
            lastObjectId_ = waiting.objectId;
        }
    }
    backlog_.clear();
    draining_ = true;
    qApp->installEventFilter(this);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(this);
    draining_ = false;
}

void QtDesktop::RepaintWindows() {
    // The window system's user input stays queued for the next drain; what was posted of it
    // is thrown away at once, as while draining.
    draining_ = true;
    qApp->installEventFilter(this);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    qApp->removeEventFilter(this);
    draining_ = false;
}

void QtDesktop::Deliver(const core::Event& event) {
    if (event.kind != core::EventKind::MouseMove) {
        lastObjectId_ = event.objectId;
    }
    if (draining_) {
        return;
    }
    backlog_.push_back(event);
    HandleBacklog();
}

// One event at a time: one that arrives while another is handled (in the nested loop of a
// modal box, say), or before the program's loop has begun, waits its turn.
void QtDesktop::HandleBacklog() {
    if (handling_ || !eventHandler_) {
        return;
    }
    handling_ = true;
    while (!backlog_.empty() && eventHandler_) {
        const core::Event next = backlog_.front();
        backlog_.pop_front();
        eventHandler_(next);
    }
    handling_ = false;
}

bool QtDesktop::event(QEvent* event) {
    if (event->type() == QueuedCoreEvent::Type()) {
        Deliver(static_cast<QueuedCoreEvent*>(event)->coreEvent);
        return true;
    }
    return QObject::event(event);
}

bool QtDesktop::eventFilter(QObject* watched, QEvent* event) {
    if (draining_ && IsUserInput(event->type())) {
        return true;
    }
    if (watched == main_.client && event->type() == QEvent::Resize) {
        if (resizeHandler_) {
            resizeHandler_(core::WindowId::MainWindow);
        }
        main_.window->update();
        return false;
    }
    const bool rightPress = (event->type() == QEvent::MouseButtonPress ||
                             event->type() == QEvent::MouseButtonDblClick) &&
                            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    if (main_.window && watched == main_.window->windowHandle() && rightPress) {
        return HandleRightButton(event);
    }
    return false;
}

// A right press over any control of the main window opens the menu of the box that has the
// focus: one event per press (Qt reports the second press of a double click twice, as a press
// and as a double click). The press is then kept from the control: it neither moves the focus
// nor opens the control's own menu. The grid reports its right clicks itself and gets them.
bool QtDesktop::HandleRightButton(QEvent* event) {
    const auto* press = static_cast<QMouseEvent*>(event);
    QWidget* target = main_.window->childAt(press->position().toPoint());
    QMenuBar* menuBar = main_.window->menuBar();
    if (target == nullptr || target == main_.client || target == menuBar ||
        menuBar->isAncestorOf(target)) {
        return false;
    }
    const std::optional<int> box = core::RightClickTarget(FocusedControl());
    if (box && event->type() == QEvent::MouseButtonPress) {
        PostEvent({core::EventKind::Control, *box, core::WindowId::MainWindow,
                   core::EventType::RightClick});
    }
    QWidget* grid = Control(core::ControlId::FileGrid);
    return target != grid && !grid->isAncestorOf(target);
}

}  // namespace hashwell::ui
