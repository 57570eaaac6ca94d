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

    // Shows `page`, a local HTML file; Contents returns to `manual`. A file
    // that cannot be read gets a short page that names it and says why.
    void open(const QString& manual, const QString& page);

    QTextBrowser* browser() const { return browser_; }

  private:
    void go_home() { show_file(home_); }
    void show_file(const QString& file);

    QTextBrowser* browser_;
    QString home_;
};

}  // namespace vantor::shell
