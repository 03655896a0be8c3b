#include "tessera/qt/name_filters.hpp"

#include <QString>

namespace tessera::qt {
namespace {

QString Description(QString text) {
  text = text.trimmed();
  const qsizetype open = text.lastIndexOf('(');
  if (text.endsWith(')') && open > 0) text.truncate(open);
  return text.trimmed();
}

}  // namespace

QStringList NameFilters(std::string_view filter) {
  const QStringList parts =
      QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ').simplified();
    if (patterns.isEmpty()) continue;
    filters << Description(parts[i]) + " (" + patterns + ")";
  }
  return filters;
}

}  // namespace tessera::qt
