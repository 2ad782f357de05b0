// Inputs the fuzz targets found faults with, kept as regression cases next to the fixes' behaviour.
#include <gtest/gtest.h>

#include <string>

#include "gif/Bitmap.h"
#include "gif/GIFImage.h"
#include "runtime/Errors.h"
#include "runtime/NumberParse.h"

namespace reliability {
namespace {

TEST(FuzzRegression, ZeroWidthPictureHasNoRowBytesAndCannotBeSaved) {
  // fuzz_gif: the rows of a zero-width picture were read through a missing pixel buffer.
  gif::TBitmap bitmap(0, 3, gif::TPixelFormat::pf8bit);
  EXPECT_EQ(bitmap.ScanLine(0), nullptr);
  EXPECT_EQ(static_cast<const gif::TBitmap&>(bitmap).ScanLine(2), nullptr);
  gif::TGIFImage image;
  image.Assign(&bitmap);
  std::string bytes;
  EXPECT_THROW(image.SaveToStream(bytes), runtime::Exception);
}

TEST(FuzzRegression, NumbersBeyondADoubleAreTooSmallOrTooLargeByTheirLeadingDigit) {
  // fuzz_numbers: whether an out-of-range number underflowed was judged by the exponent's sign
  // alone, so 10^500 written with a negative exponent read as 0, and 10^-331 without an exponent
  // was refused.
  const std::string zeros(330, '0');
  const std::string tiny = "0." + zeros + "1";
  const std::string huge = "1" + zeros + zeros + "e-10";
  EXPECT_EQ(runtime::StrToFloat(tiny), 0.0);
  EXPECT_EQ(runtime::StrToFloat("-" + tiny), 0.0);
  EXPECT_EQ(runtime::StrToFloat("0." + zeros + "1e+5"), 0.0);  // 10^-326
  EXPECT_EQ(runtime::StrToFloat("1e-400"), 0.0);
  EXPECT_EQ(runtime::StrToFloat("0." + zeros + "1e+340"), 1e9);  // in range: an ordinary value
  for (const std::string& text :
       {huge, "0." + zeros + "1e+700", std::string("1e400"), std::string("-1e99999999999")}) {
    try {
      runtime::StrToFloat(text);
      ADD_FAILURE() << text << " converted";
    } catch (const runtime::EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + text + "' is not a valid floating point value");
    }
  }
}

}  // namespace
}  // namespace reliability
