// Locale and font set-up after the Qt application object is created; Qt's arguments and the watch
// over its start.
#include "app/QtStartup.h"

#include <QFont>
#include <QString>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace app {
namespace {

struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};

struct StartWatch {
  bool active = false;
  std::string failureLine;
  QtMessageHandler previous = nullptr;
  std::vector<HeldMessage> held;
};

StartWatch watch;

void WatchStart(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", watch.failureLine.c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }
  watch.held.push_back({type, context.category ? context.category : "", message});
}

void EndWatch() {
  if (!watch.active) return;
  watch.active = false;
  qInstallMessageHandler(watch.previous);
  for (const HeldMessage& m : watch.held) {
    const QMessageLogContext context(nullptr, 0, nullptr, m.category.c_str());
    watch.previous(m.type, context, m.text);
  }
  watch.held.clear();
}

}  // namespace

void AfterQtStartup() {
  EndWatch();
  std::setlocale(LC_NUMERIC, "C");
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

void ExitIfQtCannotStart(std::string failureLine) {
  watch.failureLine = std::move(failureLine);
  if (watch.active) return;
  watch.active = true;
  watch.previous = qInstallMessageHandler(WatchStart);
}

}  // namespace app
