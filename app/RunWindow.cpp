// Creates the application, the main window and the about dialog, and runs the event loop.
#include "app/RunWindow.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <system_error>

#include "app/ApplicationTitle.h"
#include "app/Glyphs.h"
#include "app/QtFileDialogRunner.h"
#include "app/QtStartup.h"
#include "app/QtTranslation.h"
#include "app/TAboutBox.h"
#include "app/TForm1.h"
#include "app/UserPrompts.h"

namespace app {

namespace {

std::filesystem::path FromQt(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// The folder of the running executable, byte for byte as the file system names it (Qt's own text
// for it loses bytes that are not UTF-8), with a trailing delimiter.
std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && exe.is_absolute()) return exe.parent_path() / "";
  return FromQt(QApplication::applicationDirPath()) / "";
}

std::filesystem::path DocumentsFolder() {
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty()) documents = QDir::homePath();
  return FromQt(documents);
}

}  // namespace

int RunWindow(int argc, char** argv, const std::optional<std::filesystem::path>& record) {
  // Qt sees the program's name only: a record named like one of Qt's options stays a record.
  int qtArgc = argc > 0 ? 1 : 0;
  ExitIfQtCannotStart(
      "stroop-analyser: cannot open the window: no display can be used (--export DIR RECORD... "
      "writes the results without one)");
  QApplication application(qtArgc, argv);
  AfterQtStartup();
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  QApplication::setWindowIcon(ApplicationIcon());
  const RussianQtTexts russian;

  QtFileDialogRunner dialogs;
  QtUserPrompts prompts;
  TForm1 form(WindowServices{dialogs, prompts, [] { return QCursor::pos(); }, DocumentsFolder()},
              ExecutableFolder());
  // The dialog belongs to the main window, so the window manager keeps it above it.
  TAboutBox aboutBox(&form);
  form.SetAboutBox(&aboutBox);
  // Maximised by the window manager where there is one; without one (a bare X server) the window
  // would keep its design size, so it is given the screen's working area first.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    form.setGeometry(screen->availableGeometry());
  form.showMaximized();
  if (record) QTimer::singleShot(0, &form, [&form, path = *record] { form.LoadRecordFile(path); });
  return application.exec();
}

}  // namespace app
