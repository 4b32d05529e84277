#include "ui/help_window.h"

#include <QHBoxLayout>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace hashwell::ui {

// A browser whose pages, images and style sheets come out of the help file.
class HelpWindow::Browser final : public QTextBrowser {
public:
    Browser(QWidget* parent, const std::optional<helpfile::ChmFile>& file)
        : QTextBrowser(parent), file_(file) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme().isEmpty() || name.scheme() == QStringLiteral("file")) {
            const QString path = name.path().startsWith(u'/') ? name.path().mid(1) : name.path();
            const std::optional<std::string> bytes =
                file_ ? file_->Read(path.toStdString()) : std::nullopt;
            if (bytes) {
                const QByteArray data(bytes->data(), static_cast<qsizetype>(bytes->size()));
                if (type == QTextDocument::ImageResource) {
                    return QImage::fromData(data);
                }
                return QString::fromUtf8(data);
            }
            if (type == QTextDocument::HtmlResource) {
                return QStringLiteral(
                           "<html><body><h1>Page not found</h1><p>The help file has no page "
                           "\"%1\".</p><p><a href=\"index.html\">Contents</a></p></body></html>")
                    .arg(path.toHtmlEscaped());
            }
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    const std::optional<helpfile::ChmFile>& file_;
};

HelpWindow::HelpWindow() {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Hashwell Help"));
    resize(760, 560);
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("HelpBack"));
    auto* forward = new QPushButton(QStringLiteral("Forward"), this);
    forward->setObjectName(QStringLiteral("HelpForward"));
    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    browser_ = new Browser(this, file_);
    browser_->setObjectName(QStringLiteral("HelpPage"));
    browser_->setOpenExternalLinks(true);  // web addresses go to the browser

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* split = new QSplitter(this);
    split->addWidget(contents_);
    split->addWidget(browser_);
    split->setSizes({190, 570});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(split);

    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        browser_->setSource(QUrl(item->data(Qt::UserRole).toString()));
    });
    connect(contents_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        browser_->setSource(QUrl(item->data(Qt::UserRole).toString()));
    });
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::Show(const platform::Path& file, std::u16string_view topic) {
    if (file != path_ || !file_) {
        path_ = file;
        file_ = helpfile::ChmFile::Open(file);
        contents_->clear();
        if (file_) {
            for (const helpfile::ChmFile::Entry& entry : file_->Contents()) {
                auto* item = new QListWidgetItem(ToQString(entry.title), contents_);
                item->setData(Qt::UserRole, QString::fromStdString(entry.page));
            }
        }
        browser_->clearHistory();
    }
    browser_->setSource(QUrl(ToQString(topic)));
    show();
    raise();
    activateWindow();
}

}  // namespace hashwell::ui
