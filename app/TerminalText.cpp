// Control characters out of paths and messages shown on the terminal.
#include "app/TerminalText.h"

#include "runtime/Cp1251.h"

namespace app {
namespace {

bool IsC0OrDel(unsigned char c) { return c < 0x20 || c == 0x7F; }
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 character starting at `i` (no overlong form, surrogate or
// code beyond U+10FFFF), or 0.
size_t Utf8Length(std::string_view bytes, size_t i) {
  const unsigned char lead = static_cast<unsigned char>(bytes[i]);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 0 || i + length > bytes.size()) return 0;
  const unsigned char second = static_cast<unsigned char>(bytes[i + 1]);
  if (second < low || second > high) return 0;
  for (size_t k = 2; k < length; ++k)
    if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) return 0;
  return length;
}

}  // namespace

std::string TerminalSafe(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      text += IsC0OrDel(c) ? '?' : static_cast<char>(c);
      ++i;
      continue;
    }
    const size_t length = Utf8Length(bytes, i);
    if (length == 0) {
      // Not UTF-8: kept as the byte it is, unless an 8-bit terminal would take it for a control.
      text += c <= 0x9F ? '?' : static_cast<char>(c);
      ++i;
    } else if (length == 2 && c == 0xC2 && static_cast<unsigned char>(bytes[i + 1]) <= 0x9F) {
      text += '?';  // U+0080..U+009F
      i += 2;
    } else {
      text.append(bytes.substr(i, length));
      i += length;
    }
  }
  return text;
}

std::string TerminalMessage(std::string_view messageCp1251,
                            const std::filesystem::path& mentioned) {
  const std::string& path = mentioned.native();
  const std::string rendered = runtime::Cp1251FromUtf8(path);
  const size_t at = path.empty() ? std::string_view::npos : messageCp1251.find(rendered);
  if (at == std::string_view::npos) return TerminalSafe(runtime::Cp1251ToUtf8(messageCp1251));
  return TerminalSafe(runtime::Cp1251ToUtf8(messageCp1251.substr(0, at))) + TerminalSafe(path) +
         TerminalSafe(runtime::Cp1251ToUtf8(messageCp1251.substr(at + rendered.size())));
}

}  // namespace app
