// The scripted services and the fixture that builds the real main window around them.
#include "tests/app/WindowFixture.h"

#include <QApplication>

#include "runtime/TextFile.h"

namespace app::test {

std::optional<QString> ScriptedDialogs::Run(const TFileDialog& dialog, QWidget*) {
  calls.push_back({dialog.kind(), dialog.Title, dialog.FileName, dialog.InitialDir, dialog.Filter,
                   dialog.OverwritePrompt});
  if (answers.empty() || !answers.front()) {
    if (!answers.empty()) answers.pop_front();
    return std::nullopt;
  }
  const QString name = *answers.front();
  answers.pop_front();
  return name;
}

void RecordingPrompts::ShowError(QWidget*, const QString& text) {
  errors.push_back(text);
  waitCursorAtError.push_back(QApplication::overrideCursor() != nullptr);
}

bool RecordingPrompts::Confirm(QWidget*, const QString& text) {
  questions.push_back(text);
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

WindowFixture::WindowFixture()
    : form(WindowServices{dialogs, prompts, [this] { return cursor; }, documentsDir.Path()},
           exeDir.Path() / "") {
  form.SetAboutBox(&about);
  std::filesystem::create_directory(exeDir / "Data");
}

QString WindowFixture::WriteRecord(const QString& name, const std::vector<std::string>& lines) {
  const std::filesystem::path path = exeDir.Write(
      std::filesystem::path("Data") / name.toStdString(), runtime::JoinLinesCrLf(lines));
  return QString::fromStdString(path.string());
}

void WindowFixture::Open(const QString& path) {
  dialogs.answers.push_back(path);
  form.mmOpen->trigger();
}

}  // namespace app::test
