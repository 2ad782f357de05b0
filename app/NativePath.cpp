// Shown names mapped back to the bytes of existing entries.
#include "app/NativePath.h"

#include <QFile>
#include <system_error>

namespace app {

namespace {

std::filesystem::path Encoded(const QString& text) {
  return std::filesystem::path(QFile::encodeName(text).toStdString());
}

// The entry of `folder` shown as `shown`, when exactly one is.
std::filesystem::path MatchingEntry(const std::filesystem::path& folder, const QString& shown) {
  std::filesystem::path found;
  int matches = 0;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::filesystem::path name = it->path().filename();
    if (DisplayPath(name) != shown) continue;
    found = name;
    ++matches;
  }
  return matches == 1 ? found : std::filesystem::path();
}

}  // namespace

QString DisplayPath(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path PathFromDisplay(const QString& name) {
  if (!name.contains(QChar::ReplacementCharacter)) return Encoded(name);
  std::filesystem::path path = name.startsWith(u'/') ? "/" : "";
  for (const QString& part : name.split(u'/', Qt::SkipEmptyParts)) {
    std::filesystem::path entry;
    if (part.contains(QChar::ReplacementCharacter))
      entry = MatchingEntry(path.empty() ? std::filesystem::path(".") : path, part);
    path /= entry.empty() ? Encoded(part) : entry;
  }
  return path;
}

std::filesystem::path PathFromUrl(const QUrl& url) {
  if (!url.isLocalFile()) return {};
  const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
  return std::filesystem::path(bytes.toStdString());
}

}  // namespace app
