// CP1251 bytes shown in Qt: every byte becomes the character the code page's table gives it.
#include <gtest/gtest.h>

#include <string>

#include "app/Cp1251Text.h"
#include "tests/app/QtPrinters.h"

namespace app {
namespace {

TEST(FromCp1251, EveryByteItsCharacter) {
  const struct {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"", u""},
      {"Plot1", u"Plot1"},
      {"\xC0\xFF\xA8\xB8", u"\u0410\u044F\u0401\u0451"},  // А я Ё ё
      {"\x88\xB9\x96\x97", u"\u20AC\u2116\u2013\u2014"},  // € № – —
      {"\x98", u"\u0098"},  // undefined in the code page: kept so files round-trip
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const auto& c : cases) EXPECT_EQ(FromCp1251(c.bytes), QString::fromStdU16String(c.text));
}

}  // namespace
}  // namespace app
