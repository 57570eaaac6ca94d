#include "shell/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor::shell {

AboutDialog::AboutDialog(const QString& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About"));
    setModal(true);

    auto* label = new QLabel(text, this);
    // The file's bytes are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QStringLiteral("aboutText"));

    auto* ok = new QPushButton(QStringLiteral("O.K."), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace vantor::shell
