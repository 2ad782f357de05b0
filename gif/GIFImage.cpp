// The GIF image model and the assembly of its file: header, logical screen, global colour table,
// looping block, frames, comment and trailer.
#include "gif/GIFImage.h"

#include <algorithm>

#include "gif/GIFErrors.h"
#include "runtime/AtomicFile.h"

namespace gif {
namespace {

constexpr const char* kVersions[] = {"", "87a", "89a"};

// Packed byte of the logical screen descriptor: a global table follows; bits 4-6 hold the colour
// resolution - 1 and bits 0-2 the table size as a power of two - 1 (the sort flag, bit 3, stays 0).
constexpr std::uint8_t kGlobalTableFlag = 0x80;
// Packed byte of an image descriptor: a local table follows (its size in bits 0-2 as above), and
// the rows are interlaced.
constexpr std::uint8_t kLocalTableFlag = 0x80;
constexpr std::uint8_t kInterlaceFlag = 0x40;

// GIF numbers are 16-bit little-endian.
void Put16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void WriteColorTable(std::string& out, const TGIFPalette& palette) {
  for (int i = 0; i < palette.Count; ++i) {
    const TGIFColor& c = palette.Colors[static_cast<std::size_t>(i)];
    out.push_back(static_cast<char>(c.Red));
    out.push_back(static_cast<char>(c.Green));
    out.push_back(static_cast<char>(c.Blue));
  }
}

// Colour resolution 1..8 for a table of 2..256 entries.
int ColorResolution(std::int32_t count) {
  for (int bits = 1; bits <= 8; ++bits)
    if (count == (1 << bits)) return bits;
  throw ColorCountError();
}

void WriteLogicalScreenDescriptor(std::string& out, int width, int height, const TGIFData& shared,
                                  TColor backgroundColor) {
  const TGIFPalette& palette = shared.GlobalPalette;
  Put16(out, static_cast<std::uint32_t>(width));
  Put16(out, static_cast<std::uint32_t>(height));
  std::uint8_t packed = 0;
  std::uint8_t background = 0;
  if (palette.Count > 0) {
    packed = static_cast<std::uint8_t>(
        kGlobalTableFlag | (ColorResolution(palette.Count) - 1) << 4 | (shared.TableBits - 1));
    if (backgroundColor != clNone)
      background = static_cast<std::uint8_t>(std::max(0, palette.IndexOf(backgroundColor)));
  }
  out.push_back(static_cast<char>(packed));
  out.push_back(static_cast<char>(background));
  out.push_back(static_cast<char>(shared.PixelAspect));
}

void WriteLoopingBlock(std::string& out, std::uint16_t repeatCount) {
  out += "\x21\xFF\x0B";
  out += "NETSCAPE2.0";
  out += "\x03\x01";
  Put16(out, repeatCount);
  out.push_back('\0');
}

// A frame placed beyond the 16-bit screen would be written with wrapped positions.
void CheckPlacement(const TGIFFrame& frame) {
  const TGIFExtent extent = frame.Item().Extent;
  const auto fits = [](std::int64_t start, std::int64_t length) {
    return start >= 0 && start + length <= 0xFFFF;
  };
  if (!fits(frame.Origin.X, extent.X) || !fits(frame.Origin.Y, extent.Y)) throw EncodingError();
}

void WriteFrame(std::string& out, const TGIFFrame& frame) {
  for (const TExtension& extension : frame.ExtensionList) extension.WriteTo(out);
  const TGIFItem& item = frame.Item();
  CheckPlacement(frame);
  out.push_back(0x2C);
  Put16(out, static_cast<std::uint32_t>(frame.Origin.X));
  Put16(out, static_cast<std::uint32_t>(frame.Origin.Y));
  Put16(out, static_cast<std::uint32_t>(item.Extent.X));
  Put16(out, static_cast<std::uint32_t>(item.Extent.Y));
  std::uint8_t packed = 0;
  if (frame.HasLocalPalette) {
    int bits = 1;
    while ((1 << bits) < item.Palette.Count) ++bits;
    packed = static_cast<std::uint8_t>(kLocalTableFlag | (bits - 1));
  }
  if (frame.Interlace) packed |= kInterlaceFlag;
  out.push_back(static_cast<char>(packed));
  if (frame.HasLocalPalette) WriteColorTable(out, item.Palette);
  out += item.EncodedData;
}

}  // namespace

TGIFImage::TGIFImage() { Clear(); }

void TGIFImage::Clear() {
  sharedData_ = std::make_shared<TGIFData>();
  frames_.clear();
  frameIndex_ = -1;
  BackgroundColor = clNone;
  RepeatCount = 1;
  Looping = false;
  gifVersion_ = 0;
}

void TGIFImage::Assign(const TBitmap* source) {
  Clear();
  if (source != nullptr) AddFrame(*source);
  if (OnChange) OnChange();
}

int TGIFImage::AddFrame(const TBitmap& graphic) {
  frames_.push_back(std::make_unique<TGIFFrame>(*this));
  frameIndex_ = static_cast<std::int32_t>(frames_.size()) - 1;
  frames_.back()->Assign(&graphic);
  RecalcScreenSize();
  if (gifVersion_ == 0) gifVersion_ = 1;
  if (frames_.size() > 1) gifVersion_ = 2;
  return frameIndex_;
}

void TGIFImage::RecalcScreenSize() {
  std::int64_t width = 0, height = 0;
  for (const auto& frame : frames_) {
    const TGIFExtent size = frame->Size();
    width = std::max(width, std::int64_t{size.X} + frame->Origin.X);
    height = std::max(height, std::int64_t{size.Y} + frame->Origin.Y);
  }
  screenWidth_ = static_cast<std::uint16_t>(std::clamp<std::int64_t>(width, 0, 0xFFFF));
  screenHeight_ = static_cast<std::uint16_t>(std::clamp<std::int64_t>(height, 0, 0xFFFF));
}

void TGIFImage::EncodeAllFrames() {
  TGIFData& shared = *sharedData_;
  for (const auto& frame : frames_) {
    if (!frame->Item().EncodedData.empty()) continue;
    frame->EncodeFrameBitmap();
    // Every frame encoded after the one that gave the global table carries a local table, even one
    // equal to the global table.
    frame->HasLocalPalette = shared.GlobalPalette.Count != 0;
    if (!frame->HasLocalPalette) {
      shared.GlobalPalette = frame->Item().Palette;
      shared.TableBits = frame->Item().TableBits;
    }
  }
  for (const auto& frame : frames_) frame->PrepareExtensions();
}

void TGIFImage::DecideVersion() {
  const bool blocks = std::any_of(frames_.begin(), frames_.end(),
                                  [](const auto& frame) { return !frame->ExtensionList.empty(); });
  if (blocks || !sharedData_->CommentLines.empty()) gifVersion_ = 2;
}

void TGIFImage::SaveToStream(std::string& stream) {
  if (frames_.empty()) throw NoDataToWriteError();
  EncodeAllFrames();
  DecideVersion();
  RecalcScreenSize();

  const TGIFData& shared = *sharedData_;
  std::string file;
  file += "GIF";
  file += kVersions[std::min<int>(gifVersion_, 2)];
  WriteLogicalScreenDescriptor(file, screenWidth_, screenHeight_, shared, BackgroundColor);
  WriteColorTable(file, shared.GlobalPalette);
  if (Looping && frames_.size() > 1) WriteLoopingBlock(file, RepeatCount);
  for (const auto& frame : frames_) WriteFrame(file, *frame);
  if (!shared.CommentLines.empty()) {
    file += "\x21\xFE";
    WriteSubBlocks(file, shared.CommentLines);
  }
  file.push_back(0x3B);
  stream += file;
}

void TGIFImage::SaveToFile(const std::filesystem::path& path) {
  std::string bytes;
  SaveToStream(bytes);
  runtime::SaveFileAtomically(path, bytes);
}

void TGIFImage::SetWidth(int) { throw ResizeError(); }
void TGIFImage::SetHeight(int) { throw ResizeError(); }

void TGIFImage::Progress(TProgressStage stage, int percent, const std::string& message) {
  if (OnProgress) OnProgress(*this, stage, percent, message);
}

}  // namespace gif
