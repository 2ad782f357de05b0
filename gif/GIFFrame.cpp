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

}  // namespace

TGIFFrame::TGIFFrame(TGIFImage& owner) : OwnerImage(owner) { ResetFrameData(); }

void TGIFFrame::ResetFrameData() {
  ItemData = std::make_shared<TGIFItem>();
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
    SourceBitmap.reset();
  else
    SourceBitmap = *graphic;
  OwnerImage.RecalcScreenSize();
}

TGIFExtent TGIFFrame::Size() const {
  if (SourceBitmap) return TGIFExtent{SourceBitmap->Width(), SourceBitmap->Height()};
  if (!ItemData->EncodedData.empty()) return ItemData->Extent;
  return TGIFExtent{};
}

void TGIFFrame::EncodeFrameBitmap() {
  if (!SourceBitmap || SourceBitmap->Empty()) throw NoDataToWriteError();
  EncodeIndexedImage(SourceBitmap->Indexed() ? IndexedImageOf(*SourceBitmap)
                                             : ReduceToIndexed(*SourceBitmap));
}

void TGIFFrame::EncodeIndexedImage(const TIndexedImage& image) {
  int colours = 0;
  switch (image.BitCount) {
    case 1: colours = 2; break;
    case 4: colours = 16; break;
    case 8: colours = 256; break;
    default: throw EncodingError();
  }
  // Sizes beyond 16 bits, or a palette or rows cut short, would make a file that decodes to other
  // pixels.
  if (image.Width < 0 || image.Height < 0 || image.Width > kMaxGIFSize ||
      image.Height > kMaxGIFSize)
    throw EncodingError();
  if (image.Palette.size() < static_cast<std::size_t>(colours)) throw EncodingError();
  if (image.Rows.size() < image.RowBytes() * static_cast<std::size_t>(image.Height))
    throw EncodingError();
  Interlace = false;

  TGIFItem& item = *ItemData;
  item.Palette = TGIFPalette{};
  item.Palette.Count = colours;
  for (std::size_t i = 0; i < static_cast<std::size_t>(colours); ++i) {
    const TRGBQuad& entry = image.Palette[i];
    item.Palette.Colors[i] = TGIFColor{entry.Red, entry.Green, entry.Blue};
  }

  // Encoded aside and kept only when complete, so that a failed encoding leaves no partial data
  // that a later save would take for a finished frame.
  std::string encoded;
  try {
    LZWEncode(encoded, image,
              [this](TProgressStage stage, int percent, const std::string& message) {
                OwnerImage.Progress(stage, percent, message);
              });
  } catch (const EAbort&) {
    ResetFrameData();
    throw;
  }
  item.EncodedData = std::move(encoded);

  item.TableBits = 1;
  while ((1 << item.TableBits) < item.Palette.Count) ++item.TableBits;

  TGIFData& shared = *OwnerImage.SharedData;
  if (shared.GlobalPalette.Count == 0) {
    shared.GlobalPalette = item.Palette;
    shared.TableBits = item.TableBits;
    HasLocalPalette = false;
  } else {
    HasLocalPalette = true;
  }

  item.Extent = TGIFExtent{image.Width, image.Height};
  OwnerImage.ScreenWidth = static_cast<std::uint16_t>(
      std::max<std::int64_t>(OwnerImage.ScreenWidth, std::int64_t{image.Width} + Origin.X));
  OwnerImage.ScreenHeight = static_cast<std::uint16_t>(
      std::max<std::int64_t>(OwnerImage.ScreenHeight, std::int64_t{image.Height} + Origin.Y));
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
    const unsigned delay = DelayMs / 10u;  // hundredths of a second
    bytes[2] = static_cast<std::uint8_t>(delay & 0xFF);
    bytes[3] = static_cast<std::uint8_t>(delay >> 8);
    // clNone's low bytes read as white: without a transparent colour nothing is matched.
    const int transparent =
        TransparentColor == clNone ? -1 : ItemData->Palette.IndexOf(TransparentColor);
    if (transparent >= 0) {
      bytes[4] = static_cast<std::uint8_t>(transparent);
      bytes[1] |= 0x01;
    } else {
      bytes[1] &= static_cast<std::uint8_t>(~0x01);
    }
    bytes[1] = static_cast<std::uint8_t>((bytes[1] & 0xE3) | ((DisposalMethod & 0x07) << 2));
  }
  std::erase_if(ExtensionList, [](const TExtension& e) {
    return e.Kind() == TExtensionKind::Comment && e.DataLines.empty();
  });
  if (!ExtensionList.empty()) OwnerImage.GIFVersion = 2;
}

}  // namespace gif
