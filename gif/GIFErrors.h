// The error classes the GIF output raises, with the texts the user sees (CP1251).
#pragma once

#include <string>

#include "runtime/Errors.h"

namespace gif {

// A bitmap that cannot be read as a picture.
class EInvalidGraphic : public runtime::Exception {
  using Exception::Exception;
};

// An image that cannot be written as GIF, or an operation a GIF image does not allow.
class EInvalidGraphicOperation : public runtime::Exception {
  using Exception::Exception;
};

// The silent abort: ends an operation without an error box (raised by a progress handler to
// cancel).
class EAbort : public runtime::Exception {
  using Exception::Exception;
};

// "Bitmap image is not valid".
EInvalidGraphic InvalidBitmapError();
// "Нет данных для записи в формате GIF": no frames, or a frame without pixels.
EInvalidGraphicOperation NoDataToWriteError();
// "Ошибка кодировки данных в формат GIF": pixels the encoder cannot take.
EInvalidGraphicOperation EncodingError();
// "Неверное число цветов; должно быть степенью числа 2": a global table that is not a power of two.
EInvalidGraphicOperation ColorCountError();
// "Невозможно изменить размер изображения GIF": a GIF image is sized by its frames.
EInvalidGraphicOperation ResizeError();

}  // namespace gif
