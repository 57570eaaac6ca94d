#include "shell/help_viewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace vantor::shell {

namespace {

QString missing_page(const QString& file) {
    return QStringLiteral(
               "<html><body><h2>Help not found</h2>"
               "<p>The help file <b>%1</b> is missing.</p></body></html>")
        .arg(file.toHtmlEscaped());
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QMainWindow(parent), browser_(new QTextBrowser(this)) {
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
    if (QFileInfo(file).isFile()) {
        browser_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    } else {
        browser_->clearHistory();
        browser_->setHtml(missing_page(file));
    }
}

}  // namespace vantor::shell
