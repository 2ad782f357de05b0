// CP1251 <-> Unicode: every byte round-trips, and characters outside the code page are reported.
#include <gtest/gtest.h>

#include "runtime/Cp1251.h"

namespace runtime {
namespace {

TEST(Cp1251, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::u16string text = Cp1251ToUtf16(all);
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(Utf16ToCp1251(text), all);
  EXPECT_EQ(Cp1251FromUtf8(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, KnownCharacters) {
  const struct {
    unsigned char byte;
    char16_t code;
  } cases[] = {
      // clang-format off
      {0x41, u'A'},     {0x80, u'Ђ'},     {0x88, u'€'},     {0x96, u'–'},     {0x98, 0x0098},
      {0xA0, 0x00A0},   {0xA8, u'Ё'},     {0xB8, u'ё'},     {0xB9, u'№'},     {0xC0, u'А'},
      {0xDF, u'Я'},     {0xE0, u'а'},     {0xFF, u'я'},     {0xAA, u'Є'},     {0xB2, u'І'},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1251ToUnicode(c.byte), c.code) << int(c.byte);
    EXPECT_EQ(UnicodeToCp1251(c.code), c.byte) << int(c.byte);
  }
}

TEST(Cp1251, CharactersOutsideTheCodePage) {
  EXPECT_EQ(UnicodeToCp1251(U'ü'), std::nullopt);
  EXPECT_EQ(UnicodeToCp1251(U'😀'), std::nullopt);
  EXPECT_EQ(Utf16ToCp1251(u"Тест ü"), std::nullopt);
  EXPECT_EQ(FirstUnencodableCp1251(u"Тест ü"), 5u);
  EXPECT_EQ(FirstUnencodableCp1251(u"Тест"), std::nullopt);
  EXPECT_EQ(Cp1251FromUtf8("a\xC3\xBC"
                           "b"),
            "a?b");  // ü
  EXPECT_EQ(Cp1251FromUtf8("a\xFF"
                           "b\xD0"),
            "a?b?");  // malformed and cut sequences
}

TEST(Cp1251, Utf8Literals) {
  EXPECT_EQ(Cp1251FromUtf8("Синий"), "\xD1\xE8\xED\xE8\xE9");
  EXPECT_EQ(Cp1251ToUtf8("\xD1\xE8\xED\xE8\xE9"), "Синий");
}

}  // namespace
}  // namespace runtime
