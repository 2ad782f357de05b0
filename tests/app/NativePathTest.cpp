// Names Qt shows mapped back to file-system bytes: names that are not valid UTF-8 resolve to the
// entry they stand for; valid UTF-8 and new names are encoded as they stand.
#include <gtest/gtest.h>

#include "app/NativePath.h"
#include "tests/app/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace app {
namespace {

const std::string kIvanov = "\xC8\xE2\xE0\xED\xEE\xE2";  // "Иванов" in CP1251
const std::string kPetrov = "\xCF\xE5\xF2\xF0\xEE\xE2";  // "Петров" in CP1251
const std::string kIvanovUtf8 = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2";

TEST(NativePath, ShownNamesResolveToTheBytesOfTheirEntries) {
  const testsupport::TempFolder dir;
  std::filesystem::create_directory(dir / kPetrov);
  dir.Write(kPetrov + "/" + kIvanov + ".txt", "");
  dir.Write(kIvanov + ".txt", "");
  dir.Write(kIvanovUtf8 + ".txt", "");
  // Two names that show alike: a shown name matching both stays unresolved.
  dir.Write("a\xE0.txt", "");
  dir.Write("a\xE1.txt", "");
  const std::string root = dir.Path().string() + "/";
  struct Case {
    std::string shownBytes;  // what Qt shows, as bytes it decodes
    std::string expected;
  };
  // clang-format off
  const Case cases[] = {
      {kIvanov + ".txt",                  kIvanov + ".txt"},
      {kPetrov + "/" + kIvanov + ".txt",  kPetrov + "/" + kIvanov + ".txt"},
      {kPetrov + "/" + kIvanov + ".gif",  kPetrov + "/\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
                                          "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD.gif"},  // a new file
      {kIvanovUtf8 + ".txt",              kIvanovUtf8 + ".txt"},
      {"a\xE0.txt",                        "a\xEF\xBF\xBD.txt"},  // ambiguous
      {"plain name.txt",                  "plain name.txt"},
  };
  // clang-format on
  for (const Case& c : cases) {
    const QString shown = DisplayPath(root + c.shownBytes);
    EXPECT_EQ(PathFromDisplay(shown).native(), root + c.expected) << c.expected;
  }
}

TEST(NativePath, DisplayReplacesOnlyWhatIsNotUtf8) {
  EXPECT_EQ(DisplayPath("/tmp/" + kIvanovUtf8), QStringLiteral("/tmp/Иванов"));
  EXPECT_EQ(DisplayPath("/tmp/\xC8x"), QStringLiteral("/tmp/\uFFFDx"));
}

TEST(NativePath, UrlsGiveTheirPercentEncodedBytes) {
  struct Case {
    const char* url;
    std::string expected;
  };
  // clang-format off
  const Case cases[] = {
      {"file:///tmp/%C8%E2.txt",       "/tmp/\xC8\xE2.txt"},
      {"file:///tmp/a%20b%25.txt",     "/tmp/a b%.txt"},
      {"file:///tmp/%D0%98.txt",       "/tmp/\xD0\x98.txt"},
      {"https://example.org/a.txt",    ""},
      {"relative.txt",                 ""},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(PathFromUrl(QUrl(c.url)).native(), c.expected) << c.url;
}

}  // namespace
}  // namespace app
