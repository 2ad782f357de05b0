// Encoding rows of palette indices.
#include "gif/LZWEncoder.h"

#include <cassert>
#include <memory>

#include "gif/LZWEncoderCore.h"

namespace gif {

void LZWEncode(std::string& destination, const TIndexedImage& image, const TLZWProgress& progress,
               const TPalettePositions* positions) {
  assert(image.BitCount == 1 || image.BitCount == 4 || image.BitCount == 8);
  assert(image.Rows.size() >= image.RowBytes() * static_cast<std::size_t>(image.Height));
  lzw::ReportingProgress(progress, [&] {
    // Heap-allocated: the tables take about 200 KB.
    auto encoder = std::make_unique<lzw::Encoder<false>>(
        destination, image.BitCount, positions != nullptr ? *positions : SamePositions());
    encoder->Start(destination);
    if (progress) progress(TProgressStage::psStarting, 0, "");
    if (image.BitCount == 8)
      encoder->EncodeRows<8>(image, progress);
    else if (image.BitCount == 4)
      encoder->EncodeRows<4>(image, progress);
    else
      encoder->EncodeRows<1>(image, progress);
    encoder->Finish();
    return true;
  });
}

}  // namespace gif
