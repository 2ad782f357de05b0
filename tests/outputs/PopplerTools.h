// poppler-utils as an independent reader of the PDFs the program writes: page count and size
// (pdfinfo), the text (pdftotext) and the fonts (pdffonts).
#pragma once

#include <filesystem>
#include <string>

namespace app {

// pdfinfo, pdftotext and pdffonts are on the PATH.
bool HavePoppler();

// pdfinfo's report ("Pages:           2", "Page size:       595.28 x 841.89 pts (A4)", ...).
std::string PdfInfo(const std::filesystem::path& pdf);

// pdftotext's UTF-8 text of the whole document, page breaks as form feeds.
std::string PdfText(const std::filesystem::path& pdf);

// pdffonts' table of the fonts the document uses.
std::string PdfFonts(const std::filesystem::path& pdf);

// The text without its white space (blanks, line ends, page breaks).
std::string WithoutSpaces(const std::string& text);

}  // namespace app
