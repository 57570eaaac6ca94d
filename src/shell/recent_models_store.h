#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace vantor::shell {

// File > Open Recent's list, kept in the user's settings under "recent".
// Paths are stored absolute, the most recent first.
class RecentModelsStore {
  public:
    QStringList models() const;
    // `path` becomes the first, as after opening or saving it under a new name.
    void add(const QString& path);
    void remove(const QString& path);

  private:
    static void store(const std::vector<std::string>& list);
};

}  // namespace vantor::shell
