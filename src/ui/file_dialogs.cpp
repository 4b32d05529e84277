#include "ui/file_dialogs.h"

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
// of files that do not exist yet. Here every mode takes new names, in existing folders only.
class FileDialog final : public QFileDialog {
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

// Qt's own dialog, so that the accept above decides what may be returned, with the file types
// as labelled and the chosen one selected; no extension is added and nothing is asked.
void SetUp(FileDialog& dialog, const std::vector<core::FileFilterEntry>& filter,
           std::size_t selected, const std::u16string& defaultName) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const core::FileFilterEntry& entry : filter) {
        filters << NameFilter(entry);
    }
    dialog.setNameFilters(filters);
    if (selected < static_cast<std::size_t>(filters.size())) {
        dialog.selectNameFilter(filters[static_cast<qsizetype>(selected)]);
    }
    if (!defaultName.empty()) {
        dialog.selectFile(ToQString(defaultName));
    }
}

// The number of the file type chosen in the dialog. With the patterns hidden, the dialog names
// the type by the text it shows, its label without the pattern Qt was given.
std::size_t ChosenType(const QFileDialog& dialog,
                       const std::vector<core::FileFilterEntry>& filter) {
    const QString chosen = dialog.selectedNameFilter();
    for (std::size_t i = 0; i < filter.size(); ++i) {
        if (chosen == NameFilter(filter[i]) || chosen == ToQString(filter[i].description)) {
            return i;
        }
    }
    return 0;
}

}  // namespace

std::vector<platform::Path> RunOpenDialog(QWidget* owner, const core::OpenDialogRequest& request) {
    FileDialog dialog(owner, ToQString(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
    SetUp(dialog, request.filter, request.selectedFilter, request.defaultName);
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

std::optional<platform::Path> RunFolderDialog(QWidget* owner, std::u16string_view title) {
    QFileDialog dialog(owner, ToQString(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromQt(QFileInfo(dialog.selectedFiles().front()).absoluteFilePath());
}

std::optional<core::SaveDialogAnswer> RunSaveDialog(QWidget* owner,
                                                    const core::SaveDialogRequest& request) {
    FileDialog dialog(owner, ToQString(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    SetUp(dialog, request.filter, 0, request.defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return core::SaveDialogAnswer{PathFromQt(dialog.selectedFiles().front()),
                                  ChosenType(dialog, request.filter)};
}

}  // namespace hashwell::ui
