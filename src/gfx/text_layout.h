#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace orvanta::gfx {

// One code point placed on a line: X is its pen position in pixels from the line's start.
struct PlacedChar {
  char32_t Code = 0;
  int X = 0;
  int Advance = 0;
  bool Underlined = false;  // the access key marked by a single "&"
};

struct TextLine {
  std::vector<PlacedChar> Chars;
  int Width = 0;  // pen advance of the whole line, tabs expanded
};

struct TextLayoutOptions {
  unsigned Flags = 0;  // DrawTextFlag values
  int MaxWidth = 0;    // pixels available for a line (word break and end ellipsis)
  int TabWidth = 0;    // distance between tab stops in pixels (kDtExpandTabs)
};

// Splits text into the lines DrawText draws: "&" prefix processing ("&&" is one "&", a single
// "&" underlines the next character, the first one only), line breaks at CR, LF and CR LF
// unless single-line, word wrap at spaces and tabs and between CJK characters, tab expansion
// and the end ellipsis (on the last line only). `advance` gives a code point's pen advance in
// pixels.
std::vector<TextLine> LayoutText(std::u32string_view text, const TextLayoutOptions& options,
                                 const std::function<int(char32_t)>& advance);

// Whether a line may break between these two characters because at least one of them is
// CJK, keeping closing punctuation off the start of a line and opening punctuation off its end.
bool IsCjkBreak(char32_t before, char32_t after);

}  // namespace orvanta::gfx
