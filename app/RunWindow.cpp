// Creates the application, the main window and the about dialog, and runs the event loop.
#include "app/RunWindow.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QScreen>
#include <QTimer>

#include "app/ApplicationTitle.h"
#include "app/Glyphs.h"
#include "app/QtFileDialogRunner.h"
#include "app/QtStartup.h"
#include "app/TAboutBox.h"
#include "app/TForm1.h"
#include "app/UserPrompts.h"

namespace app {

int RunWindow(int argc, char** argv, const std::optional<std::filesystem::path>& record) {
  QApplication application(argc, argv);
  AfterQtStartup();
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  QApplication::setWindowIcon(ApplicationIcon());

  QtFileDialogRunner dialogs;
  QtUserPrompts prompts;
  const QString exeFolder =
      QDir(QApplication::applicationDirPath()).absolutePath() + QDir::separator();
  TForm1 form(WindowServices{dialogs, prompts, [] { return QCursor::pos(); }}, exeFolder);
  TAboutBox aboutBox;
  form.SetAboutBox(&aboutBox);
  // Maximised by the window manager where there is one; without one (a bare X server) the window
  // would keep its design size, so it is given the screen's working area first.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    form.setGeometry(screen->availableGeometry());
  form.showMaximized();
  if (record) {
    const QString fileName = QString::fromStdU16String(record->u16string());
    QTimer::singleShot(0, &form, [&form, fileName] { form.LoadRecordFile(fileName); });
  }
  return application.exec();
}

}  // namespace app
