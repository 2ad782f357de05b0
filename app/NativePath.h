// File names between Qt and the file system. Qt shows a name that is not valid UTF-8 (a CP1251 name
// copied from another machine, say) with replacement characters, and encoding that text again gives
// other bytes, so a path is kept as std::filesystem::path bytes and Qt text is mapped back to them.
#pragma once

#include <QString>
#include <QUrl>
#include <filesystem>

namespace app {

// The path as text to show; bytes that are not UTF-8 become replacement characters.
QString DisplayPath(const std::filesystem::path& path);

// The file-system path a name shown by Qt stands for. A component with replacement characters is
// matched against the entries of its folder: the one entry that shows as that text gives its bytes.
// Components that match nothing (a new file's name) are encoded as UTF-8.
std::filesystem::path PathFromDisplay(const QString& name);

// The local file a dropped URL names, with its percent-encoded bytes exactly as sent; empty for a
// URL that is no local file.
std::filesystem::path PathFromUrl(const QUrl& url);

}  // namespace app
