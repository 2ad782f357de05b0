// Error messages and the error box's full-stop rule.
#include <gtest/gtest.h>

#include "runtime/Errors.h"

namespace runtime {
namespace {

TEST(ErrorBoxText, FullStopAfterLettersAndDigitsOnly) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Floating point division by zero", "Floating point division by zero."},
      {"List index out of bounds (5)", "List index out of bounds (5)"},
      {"'' is not a valid floating point value", "'' is not a valid floating point value."},
      {"quoted ' ' '", "quoted ' ' '"},
      {"Cannot create file a.gif", "Cannot create file a.gif."},
      {"ends with 7", "ends with 7."},
      {"already.", "already."},
      {"dash-", "dash-"},
      {"slash/", "slash/."},  // '/' follows '.' in the code table
      {"\xCE\xF8\xE8\xE1\xEA\xE0", "\xCE\xF8\xE8\xE1\xEA\xE0."},  // Cyrillic letters are above '.'
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

TEST(Errors, MessageBuilders) {
  EXPECT_EQ(ListIndexError(-1).Message(), "List index out of bounds (-1)");
  EXPECT_EQ(CannotCreateFileError("/tmp/Результат.gif").Message(),
            "Cannot create file /tmp/\xD0\xE5\xE7\xF3\xEB\xFC\xF2\xE0\xF2.gif");
}

}  // namespace
}  // namespace runtime
