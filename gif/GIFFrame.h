// One frame of a GIF image: its source pixels, its encoded form and its extension blocks.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gif/Bitmap.h"
#include "gif/Extension.h"
#include "gif/GIFItem.h"
#include "gif/GIFPalette.h"
#include "gif/IndexedImage.h"

namespace gif {

class TGIFImage;

struct TGIFOrigin {
  std::int32_t X = 0;  // left on the logical screen
  std::int32_t Y = 0;  // top
};

class TGIFFrame {
 public:
  // A frame of `owner`, with the data of ResetFrameData.
  explicit TGIFFrame(TGIFImage& owner);

  // Takes a copy of the bitmap (sharing its pixels); nothing or an empty bitmap leaves the frame
  // without pixels. Either way the encoded form is discarded.
  void Assign(const TBitmap* graphic);

  // A new empty encoded form and default frame settings.
  void ResetFrameData();

  // Encodes the bitmap; one that is not 1-, 4- or 8-bit indexed is reduced first, or, when it has
  // at most 256 colours, encoded from its pixels with the same result. Raises "Нет данных для
  // записи в формате GIF" when the frame has no pixels.
  void EncodeFrameBitmap();

  // Fills the frame's palette, table size, extent and encoded data from an indexed image, whose
  // row values stand for the palette positions `positions` gives (when given). Raises
  // "Ошибка кодировки данных в формат GIF" for an image the GIF format cannot hold.
  void EncodeIndexedImage(const TIndexedImage& image, const TPalettePositions* positions = nullptr);

  // Brings the graphic control block up to date with the delay, transparency and disposal, and
  // drops empty comment blocks.
  void PrepareExtensions();

  // Width and height of the frame: from its bitmap, else from its encoded form, else 0.
  TGIFExtent Size() const;

  // The encoded form: empty data until the frame is encoded.
  const TGIFItem& Item() const { return *itemData_; }

  std::vector<TExtension> ExtensionList;
  TGIFOrigin Origin;
  bool Interlace = false;
  bool HasLocalPalette = false;  // set by the image when it encodes the frame
  TColor TransparentColor = clNone;
  std::uint16_t DelayMs = 0;
  std::uint8_t DisposalMethod = 0;

 private:
  // Runs `encode`; an abort resets the frame. Encodings write aside, so that a failed one leaves no
  // partial data that a later save would take for a finished frame.
  template <class Encode>
  void AbortResets(Encode&& encode);
  // Keeps the palette, extent and data of a finished encoding.
  void KeepEncoding(const std::vector<TRGBQuad>& palette, int colours, TGIFExtent extent,
                    std::string data);

  TGIFImage& ownerImage_;
  std::optional<TBitmap> sourceBitmap_;
  std::shared_ptr<TGIFItem> itemData_;
};

}  // namespace gif
