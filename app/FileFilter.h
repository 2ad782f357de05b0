// File-dialog filters as the window writes them ("Description|pattern;pattern|..."). A pattern
// matches the whole file name, '*' standing for any run of characters and '?' for one, letters
// compared without regard to case: "*CRY" offers "old.cry".
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace app {

struct FileFilterEntry {
  QString description;   // shown to the user exactly as written
  QStringList patterns;  // the part after '|', split at ';'
};

// Pairs of description and pattern list; a trailing description without patterns gets none.
std::vector<FileFilterEntry> ParseFileFilter(const QString& filter);

// Whole-name wildcard match, case-insensitive: "*.TXT" matches "record.txt", "*CRY" matches
// "x.cry".
bool MatchesFilePattern(const QString& name, const QString& pattern);
bool MatchesAnyFilePattern(const QString& name, const QStringList& patterns);

}  // namespace app
