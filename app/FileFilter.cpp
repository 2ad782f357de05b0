// File-dialog filter parsing and case-insensitive wildcard matching.
#include "app/FileFilter.h"

namespace app {

std::vector<FileFilterEntry> ParseFileFilter(const QString& filter) {
  std::vector<FileFilterEntry> entries;
  const QStringList parts = filter.split(u'|');
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    if (parts[i].isEmpty() && i + 1 >= parts.size()) break;
    FileFilterEntry entry{parts[i], {}};
    if (i + 1 < parts.size()) entry.patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
    entries.push_back(std::move(entry));
  }
  return entries;
}

namespace {

bool SameLetter(QChar a, QChar b) { return a == b || a.toCaseFolded() == b.toCaseFolded(); }

}  // namespace

bool MatchesFilePattern(const QString& name, const QString& pattern) {
  // Iterative matcher with one backtrack point per '*': linear in practice, no recursion.
  qsizetype n = 0, p = 0, starP = -1, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == u'?' || SameLetter(pattern[p], name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == u'*') {
      starP = p++;
      starN = n;
    } else if (starP >= 0) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

bool MatchesAnyFilePattern(const QString& name, const QStringList& patterns) {
  for (const QString& pattern : patterns)
    if (MatchesFilePattern(name, pattern)) return true;
  return false;
}

}  // namespace app
