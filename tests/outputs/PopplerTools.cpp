// Runs the poppler tools and returns what they print.
#include "tests/outputs/PopplerTools.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <cctype>
#include <stdexcept>

namespace app {
namespace {

std::string Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0)
    throw std::runtime_error(program.toStdString() +
                             " failed: " + process.readAllStandardError().toStdString());
  return process.readAllStandardOutput().toStdString();
}

QString PathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

}  // namespace

bool HavePoppler() {
  for (const char* tool : {"pdfinfo", "pdftotext", "pdffonts"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return false;
  return true;
}

std::string PdfInfo(const std::filesystem::path& pdf) {
  return Run(QStringLiteral("pdfinfo"), {PathText(pdf)});
}

std::string PdfText(const std::filesystem::path& pdf) {
  return Run(QStringLiteral("pdftotext"),
             {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
              PathText(pdf), QStringLiteral("-")});
}

std::string PdfFonts(const std::filesystem::path& pdf) {
  return Run(QStringLiteral("pdffonts"), {PathText(pdf)});
}

std::string WithoutSpaces(const std::string& text) {
  std::string kept;
  for (const char c : text)
    if (!std::isspace(static_cast<unsigned char>(c))) kept += c;
  return kept;
}

}  // namespace app
