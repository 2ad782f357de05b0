// The owner of a GIF image: creates it cleared and frees it with its frames. This system never
// shows the animation, so the holder has no display of its own.
#pragma once

#include <memory>

#include "gif/GIFImage.h"

namespace gif {

class TGIFAnimator {
 public:
  TGIFAnimator() : image_(std::make_unique<TGIFImage>()) {}

  TGIFImage& Image() { return *image_; }

 private:
  std::unique_ptr<TGIFImage> image_;
};

}  // namespace gif
