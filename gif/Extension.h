// One extension block of a GIF frame (graphic control, plain text, application or comment).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gif {

enum class TExtensionKind : std::uint8_t { GraphicControl, PlainText, Application, Comment };

class TExtension {
 public:
  // Fixed bytes sized for the kind, starting with the block size byte (4, 12 or 11; a comment has
  // none), the rest zero.
  explicit TExtension(TExtensionKind kind);

  TExtensionKind Kind() const { return kind_; }
  // The label written after the introducer hex 21: F9, 01, FF or FE.
  std::uint8_t Label() const;

  // Lines written as data sub-blocks after the fixed bytes (not for a graphic control block).
  std::vector<std::string> DataLines;
  std::vector<std::uint8_t> BlockBytes;

  // Appends hex 21, the label, the fixed bytes and the data lines.
  void WriteTo(std::string& out) const;

 private:
  TExtensionKind kind_;
};

// Each line as one sub-block of its first 255 bytes at most (empty lines skipped), then a zero
// byte.
void WriteSubBlocks(std::string& out, const std::vector<std::string>& lines);

}  // namespace gif
