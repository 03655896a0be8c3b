// The raster directories the user opened last, newest first, kept in the user's settings.
#pragma once

#include <QString>
#include <QStringList>

namespace tessera::viewer {

inline constexpr qsizetype kRecentDirectories = 8;

// `recent` with `directory` moved or added to the front, at most `keep` long.
QStringList WithRecent(QStringList recent, const QString& directory, qsizetype keep = kRecentDirectories);

QStringList RecentDirectories();
void RememberDirectory(const QString& directory);

}  // namespace tessera::viewer
