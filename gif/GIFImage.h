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

// The image decides what belongs to the whole file (version, logical screen size, global colour
// table); its frames hold only their own pixels, encoded form and blocks.
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

  // Encodes every frame that has no encoded data, the first of them into an image without a global
  // colour table giving it its table, then prepares every frame's extension blocks.
  void EncodeAllFrames();
  // The logical screen as large as the frames reach.
  void RecalcScreenSize();

  int Width() const { return screenWidth_; }
  int Height() const { return screenHeight_; }
  // A GIF image takes its size from its frames: both raise "Невозможно изменить размер изображения
  // GIF".
  [[noreturn]] void SetWidth(int width);
  [[noreturn]] void SetHeight(int height);

  const std::vector<std::unique_ptr<TGIFFrame>>& Frames() const { return frames_; }
  // The current frame, -1 without frames.
  std::int32_t FrameIndex() const { return frameIndex_; }
  // The comment, the pixel aspect byte and the global colour table.
  TGIFData& SharedData() { return *sharedData_; }

  // Raises OnProgress, if set, with this image as the sender.
  void Progress(TProgressStage stage, int percent, const std::string& message);

  std::function<void()> OnChange;
  TProgressEvent OnProgress;
  TColor BackgroundColor = clNone;
  bool Looping = false;  // writes the looping block when there is more than one frame
  std::uint16_t RepeatCount = 1;

 private:
  // 89a when the image has more than one frame, a frame keeps an extension block, or there is a
  // comment.
  void DecideVersion();

  std::shared_ptr<TGIFData> sharedData_;
  std::uint8_t gifVersion_ = 0;  // 0 unknown, 1 "87a", 2 "89a"
  std::vector<std::unique_ptr<TGIFFrame>> frames_;
  std::int32_t frameIndex_ = -1;
  std::uint16_t screenWidth_ = 0;
  std::uint16_t screenHeight_ = 0;
};

}  // namespace gif
