#pragma once

#include <QDialog>
#include <QString>

namespace vantor::shell {

// The modal About box: the About text shown as it is, and "O.K.".
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(const QString& text, QWidget* parent = nullptr);
};

}  // namespace vantor::shell
