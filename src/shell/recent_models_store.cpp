#include "shell/recent_models_store.h"

#include <QFileInfo>
#include <QSettings>
#include <string>
#include <vector>

#include "app/recent_models.h"

namespace vantor::shell {

namespace {

const QString kKey = QStringLiteral("recent/models");

std::vector<std::string> to_std(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& path : list) out.push_back(path.toStdString());
    return out;
}

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

QStringList RecentModelsStore::models() const {
    const QStringList list = QSettings().value(kKey).toStringList();
    // A list edited by hand is read as the program would have left it.
    std::vector<std::string> kept;
    for (auto it = list.crbegin(); it != list.crend(); ++it) {
        if (!it->isEmpty()) kept = with_recent_model(std::move(kept), it->toStdString());
    }
    QStringList out;
    for (const std::string& path : kept) out.push_back(QString::fromStdString(path));
    return out;
}

void RecentModelsStore::add(const QString& path) {
    store(with_recent_model(to_std(models()), absolute(path).toStdString()));
}

void RecentModelsStore::remove(const QString& path) {
    store(without_recent_model(to_std(models()), path.toStdString()));
}

void RecentModelsStore::store(const std::vector<std::string>& list) {
    QStringList out;
    for (const std::string& path : list) out.push_back(QString::fromStdString(path));
    QSettings().setValue(kKey, out);
}

}  // namespace vantor::shell
