#include "shell/help_viewer.h"

#include <QByteArray>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include "model/file_error.h"
#include "model/file_reading.h"

namespace vantor::shell {

namespace {

constexpr std::size_t kHelpResourceLimit = std::size_t{16} << 20;

QString unreadable_page(const QString& reason) {
    return QStringLiteral(
               "<html><body><h2>Help not found</h2>"
               "<p>The help file %1</p></body></html>")
        .arg(reason.toHtmlEscaped());
}

// Every page and picture of the manual is read like the program's other
// support files: a FIFO or a device in their place is refused, never waited on.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (!name.isLocalFile()) return QTextBrowser::loadResource(type, name);
        try {
            const std::string bytes =
                read_whole_file(name.toLocalFile().toStdString(), kHelpResourceLimit);
            return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
        } catch (const FileError& e) {
            if (type != QTextDocument::HtmlResource) return {};
            return unreadable_page(QString::fromStdString(e.what()));
        }
    }
};

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QMainWindow(parent), browser_(new HelpBrowser(this)) {
    setWindowTitle(QStringLiteral("Vantor Help"));
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->addAction(QStringLiteral("Contents"), this, &HelpViewer::go_home);
    QAction* back = bar->addAction(QStringLiteral("Back"), browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QStringLiteral("Forward"), browser_, &QTextBrowser::forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    resize(640, 480);
}

void HelpViewer::open(const QString& manual, const QString& page) {
    home_ = manual;
    show_file(page);
}

void HelpViewer::show_file(const QString& file) {
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

}  // namespace vantor::shell
