#include "ui/help_window.h"

#include <QHBoxLayout>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <utility>

#include "helpfile/sitemap.h"
#include "ui/qt_text.h"

namespace hashwell::ui {

using helpfile::ReadStatus;

namespace {

QString PageOf(const QUrl& url) {
    return url.path().startsWith(u'/') ? url.path().mid(1) : url.path();
}

}  // namespace

// A browser whose pages, images and style sheets come out of the help file, and nothing else.
class HelpWindow::Browser final : public QTextBrowser {
public:
    explicit Browser(HelpWindow& window) : QTextBrowser(&window), window_(window) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (!name.scheme().isEmpty() && name.scheme() != QStringLiteral("file")) {
            return QTextBrowser::loadResource(type, name);
        }
        const QString page = PageOf(name);
        const helpfile::Answer answer = window_.Read(page.toStdString());
        if (answer.status == ReadStatus::Found) {
            const QByteArray data(answer.bytes.data(), static_cast<qsizetype>(answer.bytes.size()));
            if (type == QTextDocument::ImageResource) {
                return QImage::fromData(data);
            }
            return QString::fromUtf8(data);
        }
        if (type != QTextDocument::HtmlResource) {
            return {};
        }
        if (answer.status == ReadStatus::Missing) {
            return QStringLiteral(
                       "<html><body><h1>Page not found</h1><p>The help file has no page "
                       "\"%1\".</p><p><a href=\"index.html\">Contents</a></p></body></html>")
                .arg(page.toHtmlEscaped());
        }
        return QStringLiteral(
            "<html><body><h1>Help file damaged</h1><p>The help file could not be read.</p>"
            "</body></html>");
    }

private:
    HelpWindow& window_;
};

HelpWindow::HelpWindow(QWidget* owner, platform::Path readerProgram)
    // A dialog-type window stays above its owner (on X11 it carries WM_TRANSIENT_FOR, which a
    // plain window does not), with the buttons of a window the user sizes.
    : QWidget(owner, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      readerProgram_(std::move(readerProgram)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Hashwell Help"));
    resize(760, 560);
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("HelpBack"));
    auto* forward = new QPushButton(QStringLiteral("Forward"), this);
    forward->setObjectName(QStringLiteral("HelpForward"));
    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    browser_ = new Browser(*this);
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
    // Links, back and forward, and the topics asked for all change the source.
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectInContents);
}

HelpWindow::~HelpWindow() = default;

core::HelpOutcome HelpWindow::Show(const platform::Path& file, std::u16string_view topic) {
    if (std::exchange(damageFound_, false)) {
        Close();
        return core::HelpOutcome::Damaged;
    }
    const QUrl url(ToQString(topic));
    if (file != path_ || !reader_ || reader_->Status() != ReadStatus::Found) {
        const ReadStatus opened = Open(file);
        if (opened != ReadStatus::Found) {
            Close();
            return opened == ReadStatus::Unreadable ? core::HelpOutcome::Unreadable
                                                    : core::HelpOutcome::Damaged;
        }
        // The browser loads a page only when it is not the one shown; this one may be shown
        // from the file before.
        if (browser_->source().adjusted(QUrl::RemoveFragment) ==
            url.adjusted(QUrl::RemoveFragment)) {
            browser_->reload();
        }
    }
    browser_->setSource(url);
    SelectInContents(browser_->source());
    if (std::exchange(damageFound_, false)) {
        Close();
        return core::HelpOutcome::Damaged;
    }
    if (!placed_ && parentWidget() != nullptr) {
        // Centre on the owner's client area: the frame is not known before the window is
        // shown, and the window manager gives both windows the same frame.
        QRect placed = geometry();
        placed.moveCenter(parentWidget()->geometry().center());
        setGeometry(placed);
    }
    placed_ = true;
    show();
    raise();
    activateWindow();
    return core::HelpOutcome::Shown;
}

ReadStatus HelpWindow::Open(const platform::Path& file) {
    path_ = file;
    contents_->clear();
    browser_->clearHistory();
    reader_ = std::make_unique<helpfile::HelpReader>(readerProgram_, file);
    if (reader_->Status() != ReadStatus::Found) {
        return reader_->Status();
    }
    const helpfile::Answer contents = reader_->Contents();
    if (contents.status != ReadStatus::Found && contents.status != ReadStatus::Missing) {
        return ReadStatus::Damaged;
    }
    for (const helpfile::ContentsEntry& entry : helpfile::ParseSitemap(contents.bytes)) {
        auto* item = new QListWidgetItem(ToQString(entry.title), contents_);
        item->setData(Qt::UserRole, QString::fromStdString(entry.page));
    }
    return ReadStatus::Found;
}

void HelpWindow::Close() {
    hide();
    reader_.reset();
    path_.clear();
    contents_->clear();
}

helpfile::Answer HelpWindow::Read(std::string_view name) {
    helpfile::Answer answer = reader_ ? reader_->Page(name) : helpfile::Answer{};
    if (answer.status != ReadStatus::Found && answer.status != ReadStatus::Missing) {
        damageFound_ = true;
    }
    return answer;
}

void HelpWindow::SelectInContents(const QUrl& page) {
    const QString shown = PageOf(page);
    for (int row = 0; row < contents_->count(); ++row) {
        QListWidgetItem* item = contents_->item(row);
        if (PageOf(QUrl(item->data(Qt::UserRole).toString())).compare(shown, Qt::CaseInsensitive) ==
            0) {
            contents_->setCurrentItem(item);
            return;
        }
    }
    contents_->clearSelection();
    contents_->setCurrentItem(nullptr);
}

}  // namespace hashwell::ui
