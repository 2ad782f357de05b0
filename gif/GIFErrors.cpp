// Texts of the GIF output's errors, converted once from the UTF-8 source to CP1251.
#include "gif/GIFErrors.h"

#include "runtime/Cp1251.h"

namespace gif {

EInvalidGraphic InvalidBitmapError() { return EInvalidGraphic("Bitmap image is not valid"); }

EInvalidGraphicOperation NoDataToWriteError() {
  return EInvalidGraphicOperation(runtime::Cp1251FromUtf8("Нет данных для записи в формате GIF"));
}

EInvalidGraphicOperation EncodingError() {
  return EInvalidGraphicOperation(runtime::Cp1251FromUtf8("Ошибка кодировки данных в формат GIF"));
}

EInvalidGraphicOperation ColorCountError() {
  return EInvalidGraphicOperation(
      runtime::Cp1251FromUtf8("Неверное число цветов; должно быть степенью числа 2"));
}

EInvalidGraphicOperation ResizeError() {
  return EInvalidGraphicOperation(
      runtime::Cp1251FromUtf8("Невозможно изменить размер изображения GIF"));
}

}  // namespace gif
