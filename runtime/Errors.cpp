// Message builders for the common errors and the error box's full-stop rule.
#include "runtime/Errors.h"

#include "runtime/Cp1251.h"

namespace runtime {

EListError ListIndexError(long long index) {
  return EListError("List index out of bounds (" + std::to_string(index) + ")");
}

EFCreateError CannotCreateFileError(std::string_view utf8Path) {
  return EFCreateError("Cannot create file " + Cp1251FromUtf8(utf8Path));
}

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    text += '.';
  }
  return text;
}

}  // namespace runtime
