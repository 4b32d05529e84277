#include "ui/open_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "ui/qt_text.h"

namespace hashwell::ui {
namespace {

// A file type as Qt's dialog takes it: the description, then the pattern in parentheses,
// which the dialog is told not to show. "*.*" means every file on Windows; other systems have
// names without a dot, so there it becomes "*".
QString NameFilter(const core::FileFilterEntry& entry) {
    const QString pattern = entry.pattern == u"*.*" && platform::kPathSeparator != u'\\'
                                ? QStringLiteral("*")
                                : ToQString(entry.pattern);
    return ToQString(entry.description) + QStringLiteral(" (") + pattern + QStringLiteral(")");
}

// Qt's dialog takes a typed name in a missing folder, and in multi-select mode refuses names
// of files that do not exist yet. Here both modes take new names, in existing folders only.
class OpenFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override {
        const QStringList names = selectedFiles();
        bool allFoldersExist = !names.isEmpty();
        for (const QString& name : names) {
            const QFileInfo file(name);
            if (file.isDir()) {
                QFileDialog::accept();  // a typed folder is opened, not chosen
                return;
            }
            allFoldersExist = allFoldersExist && file.absoluteDir().exists();
        }
        if (allFoldersExist) {
            QDialog::accept();
        }
    }
};

}  // namespace

std::vector<platform::Path> RunOpenDialog(QWidget* owner, const core::OpenDialogRequest& request) {
    OpenFileDialog dialog(owner, ToQString(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
    // The accept above decides what may be returned, so Qt's own dialog must be the one shown.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const core::FileFilterEntry& entry : request.filter) {
        filters << NameFilter(entry);
    }
    dialog.setNameFilters(filters);
    if (request.selectedFilter < static_cast<std::size_t>(filters.size())) {
        dialog.selectNameFilter(filters[static_cast<qsizetype>(request.selectedFilter)]);
    }
    if (!request.defaultName.empty()) {
        dialog.selectFile(ToQString(request.defaultName));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    std::vector<platform::Path> chosen;
    for (const QString& name : dialog.selectedFiles()) {
        const QFileInfo file(name);
        if (!file.isDir()) {
            chosen.push_back(PathFromQt(file.absoluteFilePath()));
        }
    }
    return chosen;
}

}  // namespace hashwell::ui
