#pragma once

#include <QWidget>
#include <optional>
#include <string_view>

#include "helpfile/chm_file.h"
#include "platform/platform.h"

class QListWidget;
class QTextBrowser;

namespace hashwell::ui {

// The program's help viewer: a window of its own that shows the pages of the compiled help
// file, with their links, images and style sheet, back and forward, and the file's contents
// list. A page the file lacks shows a short notice.
class HelpWindow final : public QWidget {
public:
    HelpWindow();
    ~HelpWindow() override;

    // Shows `topic` of the help file, opening the file when it is not the one shown; brings the
    // window to the front without blocking the program's other windows.
    void Show(const platform::Path& file, std::u16string_view topic);

private:
    class Browser;
    QTextBrowser* browser_ = nullptr;
    QListWidget* contents_ = nullptr;
    platform::Path path_;
    std::optional<helpfile::ChmFile> file_;
};

}  // namespace hashwell::ui
