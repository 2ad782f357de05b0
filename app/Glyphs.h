// The application icon and the small glyphs of the menu items, drawn in code so no image files are
// needed.
#pragma once

#include <QIcon>

namespace app {

enum class Glyph { Open, Plot1, Plot2, Plot3, Plot4, Save, SaveAnalysis, SaveChart };

QIcon ApplicationIcon();
QIcon MenuGlyph(Glyph glyph);

}  // namespace app
