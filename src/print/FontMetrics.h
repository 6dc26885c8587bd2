#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

// Glyph widths of the standard Type 1 fonts the forms are printed with, in thousandths of the text
// size, for the WinAnsi character codes 32 to 255. The fonts are not embedded in our PDFs, so the
// viewer's copy of each font draws the text; these are the published widths every such copy shares,
// and they are what centred and right-aligned texts are placed by.
enum class StandardFontMetrics : uint8_t { Courier, Helvetica, HelveticaBold, TimesRoman };

// The width of one character code (below 32 counts as a space, which is what a viewer shows).
int GlyphWidth(StandardFontMetrics font, unsigned char code);
// The width of a Windows-1252 text at the given size, in points.
double TextWidth(StandardFontMetrics font, std::string_view text, double size);

// The carried metrics that stand for a standard font by its number (0 Courier ... 13 ZapfDingbats):
// the Courier family is one width throughout; the other families use the weight we carry closest
// to theirs (Helvetica for Helvetica and its obliques, Helvetica-Bold for the bold ones, Times-Roman
// for the Times family, Symbol and ZapfDingbats).
StandardFontMetrics MetricsForStandardFont(int number);

} // namespace qv
