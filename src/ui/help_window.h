#pragma once

// The help viewer window.

#include <QWidget>
#include <memory>
#include <string_view>

#include "core/desktop/shell.h"
#include "helpfile/help_reader.h"
#include "platform/platform.h"

class QListWidget;
class QTextBrowser;
class QUrl;

namespace hashwell::ui {

// The program's help viewer: a window of its own, owned by the main window so that it stays
// above it, that shows the pages of the compiled help file, with their links, images and style
// sheet, back and forward, and the file's contents list with the shown page selected. The file
// is read by the help reader program (helpfile::HelpReader); a page the file lacks shows a
// short notice.
class HelpWindow final : public QWidget {
public:
    // `owner`: the main window, or none; `readerProgram`: the help reader program.
    HelpWindow(QWidget* owner, platform::Path readerProgram);
    ~HelpWindow() override;

    // Shows `topic` of the help file, opening the file when it is not the one shown; brings the
    // window to the front (centred on its owner the first time) without blocking the program's
    // other windows. When the file cannot be read, or a page read since the last call found it
    // damaged, the window closes and says so; the next call opens the file afresh.
    core::HelpOutcome Show(const platform::Path& file, std::u16string_view topic);

private:
    class Browser;
    helpfile::ReadStatus Open(const platform::Path& file);
    void Close();
    helpfile::Answer Read(std::string_view name);
    void SelectInContents(const QUrl& page);

    QTextBrowser* browser_ = nullptr;
    QListWidget* contents_ = nullptr;
    platform::Path readerProgram_;
    platform::Path path_;
    std::unique_ptr<helpfile::HelpReader> reader_;
    bool damageFound_ = false;  // by a page read since the last Show
    bool placed_ = false;
};

}  // namespace hashwell::ui
