#pragma once

#include <QMainWindow>
#include <QString>

class QTextBrowser;

namespace vantor::shell {

// The program's help window: one HTML manual with Contents, Back and Forward.
class HelpViewer : public QMainWindow {
    Q_OBJECT

  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows `file`, a local HTML file, as the page Contents returns to; a
    // missing file gets a short page that names it.
    void open(const QString& file);

    QTextBrowser* browser() const { return browser_; }

  private:
    void go_home();

    QTextBrowser* browser_;
    QString home_;
};

}  // namespace vantor::shell
