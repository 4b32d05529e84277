#include "ui/drop_targets.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

#include "core/desktop/ids.h"

namespace hashwell::ui {
namespace {

// The raw URI list, so that names that are not UTF-8 keep their bytes: Qt's own file names
// would have them replaced by U+FFFD.
std::vector<platform::Path> FilePaths(const QMimeData& data) {
    QByteArray list = data.data(QStringLiteral("text/uri-list"));
    if (list.isEmpty()) {
        for (const QUrl& url : data.urls()) {
            list += url.toEncoded() + "\r\n";
        }
    }
    std::vector<platform::Path> paths;
    for (QByteArray line : list.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        if (std::optional<platform::Path> path = platform::PathFromFileUri(line.toStdString())) {
            paths.push_back(std::move(*path));
        }
    }
    return paths;
}

QWidget* DropSurface(QWidget* control) {
    auto* area = qobject_cast<QAbstractScrollArea*>(control);
    return area != nullptr ? area->viewport() : control;
}

}  // namespace

DragPayload PayloadOf(const QMimeData& data) {
    DragPayload payload;
    if (data.hasUrls()) {
        payload.paths = FilePaths(data);
    }
    if (payload.paths.empty() && data.hasText()) {
        payload.hasText = true;
        payload.text = data.text().toStdU16String();
    }
    return payload;
}

DropTargets::DropTargets(const WindowWidgets& main, std::function<void(const core::Event&)> post)
    : post_(std::move(post)) {
    using enum core::MainControl;
    const Target targets[] = {{TabPanel, true, true},
                              {TextInput, true, true},
                              {TextHashBox, false, true},
                              {FileNameBox, true, false},
                              {FileGrid, true, false}};
    for (const Target& target : targets) {
        // A drop onto the panel outside these controls reaches the panel itself.
        QWidget* surface = DropSurface(main.Control(target.control));
        surface->setAcceptDrops(true);
        surface->installEventFilter(this);
        targets_[surface] = target;
    }
}

bool DropTargets::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    const auto found = targets_.find(watched);
    if (found == targets_.end()) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const Target& target = found->second;
    DragPayload payload = PayloadOf(*drop->mimeData());
    const bool accepted =
        (target.files && !payload.paths.empty()) || (target.text && payload.hasText);
    if (!accepted) {
        drop->ignore();
        return true;  // the control's own handling (inserting the text, say) never runs
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        core::Event dropped{core::EventKind::Drop, static_cast<int>(target.control),
                            core::WindowId::MainWindow};
        dropped.droppedText = std::move(payload.text);
        dropped.droppedPaths = std::move(payload.paths);
        post_(dropped);
    }
    return true;
}

}  // namespace hashwell::ui
