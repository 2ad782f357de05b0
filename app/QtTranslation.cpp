// Loads qtbase_ru from Qt's translations folder.
#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace app {

RussianQtTexts::RussianQtTexts() {
  loaded_ =
      translator_.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(&translator_);
}

RussianQtTexts::~RussianQtTexts() {
  if (loaded_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace app
