// The scripted services and the fixture that builds the real main window around them.
#include "tests/app/WindowFixture.h"

#include <QApplication>
#include <QFile>

#include "runtime/Cp1251.h"
#include "tests/analysis/TestRecord.h"

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
    : form(WindowServices{dialogs, prompts, [this] { return cursor; }}, Folder()) {
  form.SetAboutBox(&about);
  QDir(exeDir.path()).mkdir("Data");
}

QString WindowFixture::WriteRecord(const QString& name, const std::vector<std::string>& lines) {
  const QString path = Folder() + "Data/" + name;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return path;
  for (const std::string& line : lines) {
    file.write(line.data(), static_cast<qint64>(line.size()));
    file.write("\r\n");
  }
  return path;
}

void WindowFixture::Open(const QString& path) {
  dialogs.answers.push_back(path);
  form.mmOpen->trigger();
}

std::vector<std::string> RecordOf(const std::string& code, int stimuli) {
  const char* totals[4] = {"105", " 92", "107", "117"};
  std::vector<analysis::test::Row> rows;
  for (int i = 0; i < stimuli; ++i)
    rows.push_back({i % 3, i % 3, 0.5 + 0.01 * i, (i + 1) % 3, (i + 1) % 3, 0.6, (i + 1) % 3, 0.7,
                    i % 2 == 0 ? i % 3 : (i + 2) % 3, 0.8 + 0.02 * i});
  std::vector<std::string> lines = analysis::test::RecordLines(totals, rows);
  lines[1] =
      runtime::Cp1251FromUtf8("Код: " + code + "  Имя: Петров П.П.  Дата ПФО: 01.02.2026 10:00:00");
  lines[2] = code;
  return lines;
}

}  // namespace app::test
