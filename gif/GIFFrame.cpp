// Building and encoding one GIF frame.
#include "gif/GIFFrame.h"

#include <algorithm>
#include <string>

#include "gif/GIFErrors.h"
#include "gif/GIFImage.h"
#include "gif/LZWEncoder.h"
#include "gif/ReduceToIndexed.h"

namespace gif {
namespace {

constexpr std::int32_t kMaxGIFSize = 0xFFFF;  // GIF sizes are 16-bit

// The graphic control block's bytes after its size byte: packed flags, delay (16-bit
// little-endian, hundredths of a second), transparent colour index.
constexpr std::size_t kPacked = 1, kDelayLow = 2, kDelayHigh = 3, kTransparentIndex = 4;
// Packed flags: bit 0 says the transparent index is in use; bits 2-4 hold the disposal method.
constexpr std::uint8_t kTransparentFlag = 0x01;
constexpr std::uint8_t kDisposalBits = 0x1C;

// Sizes beyond 16 bits would make a file that decodes to other pixels.
void CheckSize(std::int32_t width, std::int32_t height) {
  if (width < 0 || height < 0 || width > kMaxGIFSize || height > kMaxGIFSize) throw EncodingError();
}

}  // namespace

TGIFFrame::TGIFFrame(TGIFImage& owner) : ownerImage_(owner) { ResetFrameData(); }

void TGIFFrame::ResetFrameData() {
  itemData_ = std::make_shared<TGIFItem>();
  TransparentColor = clNone;
  Origin = TGIFOrigin{};
  Interlace = false;
  HasLocalPalette = false;
  DelayMs = 0;
  DisposalMethod = 0;
}

void TGIFFrame::Assign(const TBitmap* graphic) {
  ResetFrameData();
  if (graphic == nullptr || graphic->Empty())
    sourceBitmap_.reset();
  else
    sourceBitmap_ = *graphic;
}

TGIFExtent TGIFFrame::Size() const {
  if (sourceBitmap_) return TGIFExtent{sourceBitmap_->Width(), sourceBitmap_->Height()};
  if (!itemData_->EncodedData.empty()) return itemData_->Extent;
  return TGIFExtent{};
}

void TGIFFrame::EncodeFrameBitmap() {
  if (!sourceBitmap_ || sourceBitmap_->Empty()) throw NoDataToWriteError();
  const TBitmap& source = *sourceBitmap_;
  if (source.Indexed()) {
    EncodeIndexedImage(IndexedImageOf(source));
    return;
  }
  CheckSize(source.Width(), source.Height());
  // A picture of more than 256 colours is found out during the first attempt; the reduction's
  // encoding then reports only the progress beyond what the first one reported.
  int reported = -1;
  bool again = false;
  const TLZWProgress progress = [&](TProgressStage stage, int percent, const std::string& message) {
    if (again && stage != TProgressStage::psEnding && percent <= reported) return;
    if (stage != TProgressStage::psEnding) reported = std::max(reported, percent);
    ownerImage_.Progress(stage, percent, message);
  };
  std::optional<TFewColorEncoding> few;
  AbortResets([&] { few = LZWEncodeFewColors(source, progress); });
  if (few) {
    KeepEncoding(few->Palette, 256, TGIFExtent{source.Width(), source.Height()},
                 std::move(few->Data));
    return;
  }
  again = true;
  TPalettePositions positions;
  const TIndexedImage reduced = ReduceToIndexed(source, positions);
  std::string encoded;
  AbortResets([&] { LZWEncode(encoded, reduced, progress, &positions); });
  KeepEncoding(reduced.Palette, 256, TGIFExtent{reduced.Width, reduced.Height}, std::move(encoded));
}

void TGIFFrame::EncodeIndexedImage(const TIndexedImage& image, const TPalettePositions* positions) {
  int colours = 0;
  switch (image.BitCount) {
    case 1: colours = 2; break;
    case 4: colours = 16; break;
    case 8: colours = 256; break;
    default: throw EncodingError();
  }
  CheckSize(image.Width, image.Height);
  // A palette or rows cut short would make a file that decodes to other pixels.
  if (image.Palette.size() < static_cast<std::size_t>(colours)) throw EncodingError();
  if (image.Rows.size() < image.RowBytes() * static_cast<std::size_t>(image.Height))
    throw EncodingError();
  std::string encoded;
  AbortResets([&] {
    LZWEncode(
        encoded, image,
        [this](TProgressStage stage, int percent, const std::string& message) {
          ownerImage_.Progress(stage, percent, message);
        },
        positions);
  });
  KeepEncoding(image.Palette, colours, TGIFExtent{image.Width, image.Height}, std::move(encoded));
}

template <class Encode>
void TGIFFrame::AbortResets(Encode&& encode) {
  try {
    encode();
  } catch (const EAbort&) {
    ResetFrameData();
    throw;
  }
}

void TGIFFrame::KeepEncoding(const std::vector<TRGBQuad>& palette, int colours, TGIFExtent extent,
                             std::string data) {
  Interlace = false;
  TGIFItem& item = *itemData_;
  item.Palette = TGIFPalette{};
  item.Palette.Count = colours;
  for (std::size_t i = 0; i < static_cast<std::size_t>(colours); ++i) {
    const TRGBQuad& entry = palette[i];
    item.Palette.Colors[i] = TGIFColor{entry.Red, entry.Green, entry.Blue};
  }
  item.EncodedData = std::move(data);
  item.TableBits = 1;
  while ((1 << item.TableBits) < item.Palette.Count) ++item.TableBits;
  item.Extent = extent;
}

void TGIFFrame::PrepareExtensions() {
  auto control =
      std::find_if(ExtensionList.rbegin(), ExtensionList.rend(),
                   [](const TExtension& e) { return e.Kind() == TExtensionKind::GraphicControl; });
  if (control == ExtensionList.rend() &&
      (DelayMs > 0 || TransparentColor != clNone || DisposalMethod != 0)) {
    ExtensionList.emplace_back(TExtensionKind::GraphicControl);
    control = ExtensionList.rbegin();
  }
  if (control != ExtensionList.rend()) {
    std::vector<std::uint8_t>& bytes = control->BlockBytes;
    const unsigned delay = DelayMs / 10u;
    bytes[kDelayLow] = static_cast<std::uint8_t>(delay & 0xFF);
    bytes[kDelayHigh] = static_cast<std::uint8_t>(delay >> 8);
    // clNone's low bytes read as white: without a transparent colour nothing is matched.
    const int transparent =
        TransparentColor == clNone ? -1 : itemData_->Palette.IndexOf(TransparentColor);
    std::uint8_t packed = bytes[kPacked];
    if (transparent >= 0) {
      bytes[kTransparentIndex] = static_cast<std::uint8_t>(transparent);
      packed |= kTransparentFlag;
    } else {
      packed &= static_cast<std::uint8_t>(~kTransparentFlag);
    }
    bytes[kPacked] =
        static_cast<std::uint8_t>((packed & ~kDisposalBits) | (DisposalMethod & 0x07) << 2);
  }
  std::erase_if(ExtensionList, [](const TExtension& e) {
    return e.Kind() == TExtensionKind::Comment && e.DataLines.empty();
  });
}

}  // namespace gif
