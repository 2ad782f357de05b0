// A GIF image held as frames with shared global data, written as a GIF87a or GIF89a file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gif/Bitmap.h"
#include "gif/GIFData.h"
#include "gif/GIFFrame.h"
#include "gif/GIFPalette.h"
#include "gif/LZWEncoder.h"

namespace gif {

class TGIFImage {
 public:
  // Sender, stage, percent done and message of the encoder's progress.
  using TProgressEvent = std::function<void(TGIFImage&, TProgressStage, int, const std::string&)>;

  TGIFImage();
  TGIFImage(const TGIFImage&) = delete;
  TGIFImage& operator=(const TGIFImage&) = delete;

  // Nothing: Clear. A bitmap: Clear, then one frame holding a copy of it. Then OnChange.
  void Assign(const TBitmap* source);
  // No frames, new empty global data, version unknown.
  void Clear();
  // Appends a frame holding a copy of the graphic and makes it current; the version becomes 87a for
  // the first frame and 89a from the second on. Returns the frame's index.
  int AddFrame(const TBitmap& graphic);

  // Encodes what is not encoded yet and appends the whole GIF file image to `stream`. Raises
  // "Нет данных для записи в формате GIF" when there are no frames.
  void SaveToStream(std::string& stream);
  // Assembles the file in memory and replaces `path` with it only once complete: a failure leaves
  // an existing file untouched and no partial file ("Cannot create file %s" when it cannot be
  // written).
  void SaveToFile(const std::filesystem::path& path);

  // Encodes every frame that has no encoded data, then prepares every frame's extension blocks.
  void EncodeAllFrames();
  // The logical screen as large as the frames reach.
  void RecalcScreenSize();

  int Width() const { return ScreenWidth; }
  int Height() const { return ScreenHeight; }
  // A GIF image takes its size from its frames: both raise "Невозможно изменить размер изображения
  // GIF".
  [[noreturn]] void SetWidth(int width);
  [[noreturn]] void SetHeight(int height);

  // Raises OnProgress, if set, with this image as the sender.
  void Progress(TProgressStage stage, int percent, const std::string& message);

  std::function<void()> OnChange;
  TProgressEvent OnProgress;

  std::shared_ptr<TGIFData> SharedData;
  std::uint8_t GIFVersion = 0;  // 0 unknown, 1 "87a", 2 "89a"
  std::vector<std::unique_ptr<TGIFFrame>> Frames;
  std::int32_t FrameIndex = -1;
  std::uint16_t ScreenWidth = 0;
  std::uint16_t ScreenHeight = 0;
  TColor BackgroundColor = clNone;
  bool Looping = false;  // writes the looping block when there is more than one frame
  std::uint16_t RepeatCount = 1;
};

}  // namespace gif
