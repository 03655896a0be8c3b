// The viewer's texts in the user's language: its own catalogue and Qt's, for the dialogs Qt
// brings (file, print and preview dialogs). The library's own texts are not translated here.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

namespace tessera::viewer {

// Where the viewer's catalogues lie: beside the executable, as installed and in the build tree.
QString TranslationsDir();

// The catalogues in force while this object lives.
using Translations = std::vector<std::unique_ptr<QTranslator>>;

// Installs the catalogues of `locale` that exist: the viewer's from `directory` and Qt's. None for
// English, the language of the code.
Translations InstallTranslations(const QLocale& locale, const QString& directory);

}  // namespace tessera::viewer
