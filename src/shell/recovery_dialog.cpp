#include "shell/recovery_dialog.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vantor::shell {

namespace {

enum Column { kModel, kFile, kTime, kOpen, kDiscard, kColumns };

QString file_text(const RecoveryOrigin& origin) {
    return origin.named ? QString::fromStdString(origin.path) : QStringLiteral("(never saved)");
}

}  // namespace

std::vector<RecoveryChoice> QtRecoveryDialog::choose(const std::vector<RecoveryCopy>& copies) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(QStringLiteral("Recover Models"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral(
        "Vantor stopped before these models were saved. Open a model to get its work back, "
        "or discard its copy. A model left unchosen is offered again at the next start.")));
    auto* table = new QTableWidget(static_cast<int>(copies.size()), kColumns);
    table->setHorizontalHeaderLabels({QStringLiteral("Model"), QStringLiteral("File"),
                                      QStringLiteral("Time"), QString(), QString()});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->hide();
    std::vector<QButtonGroup*> groups;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        const RecoveryCopy& copy = copies[i];
        const int row = static_cast<int>(i);
        table->setItem(row, kModel,
                       new QTableWidgetItem(QString::fromStdString(copy.origin.caption)));
        table->setItem(row, kFile, new QTableWidgetItem(file_text(copy.origin)));
        table->setItem(
            row, kTime,
            new QTableWidgetItem(QDateTime::fromSecsSinceEpoch(static_cast<qint64>(copy.written))
                                     .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))));
        auto* group = new QButtonGroup(&dialog);
        for (const auto& [column, text] : {std::pair{kOpen, QStringLiteral("Open")},
                                           std::pair{kDiscard, QStringLiteral("Discard")}}) {
            auto* button = new QPushButton(text);
            button->setCheckable(true);
            group->addButton(button, column);
            table->setCellWidget(row, column, button);
        }
        groups.push_back(group);
    }
    table->resizeColumnsToContents();
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(720, 160 + 30 * static_cast<int>(std::min<std::size_t>(copies.size(), 10)));

    std::vector<RecoveryChoice> choices(copies.size(), RecoveryChoice::kLater);
    if (dialog.exec() != QDialog::Accepted) return choices;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        const int id = groups[i]->checkedId();
        if (id == kOpen) choices[i] = RecoveryChoice::kOpen;
        if (id == kDiscard) choices[i] = RecoveryChoice::kDiscard;
    }
    return choices;
}

}  // namespace vantor::shell
