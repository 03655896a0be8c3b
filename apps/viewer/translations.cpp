#include "translations.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace tessera::viewer {

QString TranslationsDir() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(TESSERA_VIEW_TRANSLATIONS);
}

Translations InstallTranslations(const QLocale& locale, const QString& directory) {
  Translations installed;
  const auto install = [&](const QString& name, const QString& from) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, name, "_", from) && QCoreApplication::installTranslator(translator.get()))
      installed.push_back(std::move(translator));
  };
  install("qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  install("tessera-view", directory);
  return installed;
}

}  // namespace tessera::viewer
