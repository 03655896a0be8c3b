#include "recent_directories.hpp"

#include <QDir>
#include <QSettings>

namespace tessera::viewer {
namespace {

constexpr auto kKey = "recentDirectories";

}  // namespace

QStringList WithRecent(QStringList recent, const QString& directory, qsizetype keep) {
  const QString clean = QDir::cleanPath(directory);
  recent.removeAll(clean);
  recent.prepend(clean);
  while (recent.size() > keep) recent.removeLast();
  return recent;
}

QStringList RecentDirectories() {
  return QSettings().value(kKey).toStringList();
}

void RememberDirectory(const QString& directory) {
  QSettings().setValue(kKey, WithRecent(RecentDirectories(), directory));
}

}  // namespace tessera::viewer
