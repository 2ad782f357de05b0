// The GIF image model and the assembly of its file: header, logical screen, global colour table,
// looping block, frames, comment and trailer.
#include "gif/GIFImage.h"

#include <algorithm>

#include "gif/GIFErrors.h"
#include "runtime/AtomicFile.h"

namespace gif {
namespace {

constexpr const char* kVersions[] = {"", "87a", "89a"};

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

void WriteLogicalScreenDescriptor(std::string& out, const TGIFImage& image) {
  const TGIFData& shared = *image.SharedData;
  const TGIFPalette& palette = shared.GlobalPalette;
  Put16(out, image.ScreenWidth);
  Put16(out, image.ScreenHeight);
  std::uint8_t packed = 0;
  std::uint8_t background = 0;
  if (palette.Count > 0) {
    packed = static_cast<std::uint8_t>(0x80 + (ColorResolution(palette.Count) - 1) * 16 +
                                       (shared.TableBits - 1));
    if (image.BackgroundColor != clNone)
      background = static_cast<std::uint8_t>(std::max(0, palette.IndexOf(image.BackgroundColor)));
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
  const TGIFExtent extent = frame.ItemData->Extent;
  const auto fits = [](std::int64_t start, std::int64_t length) {
    return start >= 0 && start + length <= 0xFFFF;
  };
  if (!fits(frame.Origin.X, extent.X) || !fits(frame.Origin.Y, extent.Y)) throw EncodingError();
}

void WriteFrame(std::string& out, const TGIFFrame& frame) {
  for (const TExtension& extension : frame.ExtensionList) extension.WriteTo(out);
  const TGIFItem& item = *frame.ItemData;
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
    packed = static_cast<std::uint8_t>(0x80 + (bits - 1));
  }
  if (frame.Interlace) packed |= 0x40;
  out.push_back(static_cast<char>(packed));
  if (frame.HasLocalPalette) WriteColorTable(out, item.Palette);
  out += item.EncodedData;
}

}  // namespace

TGIFImage::TGIFImage() { Clear(); }

void TGIFImage::Clear() {
  SharedData = std::make_shared<TGIFData>();
  Frames.clear();
  FrameIndex = -1;
  BackgroundColor = clNone;
  RepeatCount = 1;
  Looping = false;
  GIFVersion = 0;
}

void TGIFImage::Assign(const TBitmap* source) {
  Clear();
  if (source != nullptr) AddFrame(*source);
  if (OnChange) OnChange();
}

int TGIFImage::AddFrame(const TBitmap& graphic) {
  Frames.push_back(std::make_unique<TGIFFrame>(*this));
  FrameIndex = static_cast<std::int32_t>(Frames.size()) - 1;
  Frames.back()->Assign(&graphic);
  if (GIFVersion == 0) GIFVersion = 1;
  if (Frames.size() > 1) GIFVersion = 2;
  return FrameIndex;
}

void TGIFImage::RecalcScreenSize() {
  std::int64_t width = 0, height = 0;
  for (const auto& frame : Frames) {
    const TGIFExtent size = frame->Size();
    width = std::max(width, std::int64_t{size.X} + frame->Origin.X);
    height = std::max(height, std::int64_t{size.Y} + frame->Origin.Y);
  }
  ScreenWidth = static_cast<std::uint16_t>(std::clamp<std::int64_t>(width, 0, 0xFFFF));
  ScreenHeight = static_cast<std::uint16_t>(std::clamp<std::int64_t>(height, 0, 0xFFFF));
}

void TGIFImage::EncodeAllFrames() {
  for (const auto& frame : Frames)
    if (frame->ItemData->EncodedData.empty()) frame->EncodeFrameBitmap();
  for (const auto& frame : Frames) frame->PrepareExtensions();
}

void TGIFImage::SaveToStream(std::string& stream) {
  if (Frames.empty()) throw NoDataToWriteError();
  EncodeAllFrames();

  std::string file;
  if (!SharedData->CommentLines.empty()) GIFVersion = 2;
  file += "GIF";
  file += kVersions[std::min<int>(GIFVersion, 2)];
  RecalcScreenSize();
  WriteLogicalScreenDescriptor(file, *this);
  WriteColorTable(file, SharedData->GlobalPalette);
  if (Looping && Frames.size() > 1) WriteLoopingBlock(file, RepeatCount);
  for (const auto& frame : Frames) WriteFrame(file, *frame);
  if (!SharedData->CommentLines.empty()) {
    file += "\x21\xFE";
    WriteSubBlocks(file, SharedData->CommentLines);
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
