#pragma once

// Drops onto the main window's boxes and grid, as the program takes them.

#include <QObject>
#include <functional>
#include <map>

#include "core/desktop/event.h"
#include "ui/window_registry.h"

class QMimeData;

namespace hashwell::ui {

// What a drag carries, as the program takes it: the paths of the file URIs it holds, or else
// its text. A drag with neither carries nothing the program takes.
struct DragPayload {
    bool hasText = false;
    std::u16string text;
    std::vector<platform::Path> paths;
};
DragPayload PayloadOf(const QMimeData& data);

// The controls of the main window that take drops, each only what it accepts (the panel and
// the text box: files and text; the code box: text; the name box and the grid: files). A drop
// becomes a Drop event of the control that took it.
class DropTargets final : public QObject {
public:
    DropTargets(const WindowWidgets& main, std::function<void(const core::Event&)> post);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Target {
        core::MainControl control;
        bool files;
        bool text;
    };
    std::map<QObject*, Target> targets_;
    std::function<void(const core::Event&)> post_;
};

}  // namespace hashwell::ui
