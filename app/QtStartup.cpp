// Locale and font set-up after the Qt application object is created.
#include "app/QtStartup.h"

#include <QFont>
#include <clocale>

namespace app {

void AfterQtStartup() {
  std::setlocale(LC_NUMERIC, "C");
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

}  // namespace app
