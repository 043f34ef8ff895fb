#include "gfx/text_layout.h"

#include <algorithm>
#include <array>

#include "gfx/canvas.h"

namespace orvanta::gfx {

namespace {

struct CodeRange {
  char32_t First;
  char32_t Last;
};

// Scripts written without spaces between words, where a line may break between characters.
constexpr std::array kCjkRanges{
    CodeRange{0x1100, 0x11FF},   // Hangul Jamo
    CodeRange{0x2E80, 0x2FDF},   // CJK radicals
    CodeRange{0x3000, 0x303F},   // CJK symbols and punctuation
    CodeRange{0x3040, 0x30FF},   // Hiragana, Katakana
    CodeRange{0x3100, 0x31FF},   // Bopomofo, Hangul compatibility, Katakana extensions
    CodeRange{0x3200, 0x4DBF},   // enclosed CJK, compatibility, extension A
    CodeRange{0x4E00, 0x9FFF},   // unified ideographs
    CodeRange{0xAC00, 0xD7AF},   // Hangul syllables
    CodeRange{0xF900, 0xFAFF},   // compatibility ideographs
    CodeRange{0xFE30, 0xFE4F},   // compatibility forms
    CodeRange{0xFF00, 0xFFEF},   // half- and full-width forms
    CodeRange{0x20000, 0x3FFFF}  // supplementary ideographs
};

// Characters that must not begin a line (closing punctuation) or end one (opening).
constexpr std::u32string_view kNoBreakBefore =
    U"!%),.:;?]}\u00B0\u2019\u201D\u3001\u3002\u3009\u300B\u300D\u300F\u3011\u3015\u30FC"
    U"\uFF01\uFF09\uFF0C\uFF0E\uFF1A\uFF1B\uFF1F\uFF3D\uFF5D";
constexpr std::u32string_view kNoBreakAfter =
    U"([{\u2018\u201C\u3008\u300A\u300C\u300E\u3010\u3014\uFF08\uFF3B\uFF5B";

constexpr std::u32string_view kEllipsis = U"...";

bool IsCjk(char32_t c) {
  return std::any_of(kCjkRanges.begin(), kCjkRanges.end(),
                     [c](const CodeRange& r) { return c >= r.First && c <= r.Last; });
}

bool IsBreakSpace(char32_t c) {
  return c == U' ' || c == U'\t';
}

struct Item {
  char32_t Code;
  bool Underlined;
};

std::vector<Item> ApplyPrefix(std::u32string_view text, unsigned flags) {
  std::vector<Item> items;
  items.reserve(text.size());
  if ((flags & kDtNoPrefix) != 0) {
    for (char32_t c : text) {
      items.push_back({c, false});
    }
    return items;
  }
  bool keyTaken = (flags & kDtHidePrefix) != 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != U'&') {
      items.push_back({text[i], false});
      continue;
    }
    if (i + 1 == text.size()) {
      break;  // a trailing single "&" marks nothing and shows nothing
    }
    const char32_t next = text[++i];
    const bool isKey = next != U'&' && !keyTaken && next >= 0x20;
    keyTaken = keyTaken || isKey;
    items.push_back({next, isKey});
  }
  return items;
}

class LineBuilder {
 public:
  LineBuilder(const TextLayoutOptions& options, const std::function<int(char32_t)>& advance)
      : m_options(options), m_advance(advance) {}

  int AdvanceAt(int x, char32_t c) const {
    if (c == U'\t' && (m_options.Flags & kDtExpandTabs) != 0) {
      const int tab = m_options.TabWidth;
      if (tab <= 0) {
        return 0;
      }
      return (x / tab + 1) * tab - x;
    }
    return std::max(m_advance(c), 0);
  }

  TextLine Place(const Item* begin, const Item* end) const {
    TextLine line;
    line.Chars.reserve(static_cast<std::size_t>(end - begin));
    int x = 0;
    for (const Item* it = begin; it != end; ++it) {
      const int adv = AdvanceAt(x, it->Code);
      line.Chars.push_back({it->Code, x, adv, it->Underlined});
      x += adv;
    }
    line.Width = x;
    return line;
  }

  // Greedy word wrap of one paragraph into lines that fit MaxWidth where break points allow.
  void Wrap(const std::vector<Item>& items, std::size_t begin, std::size_t end,
            std::vector<TextLine>& lines) const {
    std::size_t start = begin;
    while (true) {
      std::size_t breakEnd = 0;   // end of the line's content at the last break point
      std::size_t breakNext = 0;  // where the next line starts at that break point
      bool haveBreak = false;
      int x = 0;
      std::size_t i = start;
      bool wrapped = false;
      for (; i < end; ++i) {
        const char32_t c = items[i].Code;
        const int adv = AdvanceAt(x, c);
        if (IsBreakSpace(c)) {
          x += adv;  // trailing spaces never push a line over the edge
          continue;
        }
        if (i > start && BreakBefore(items, start, i)) {
          std::size_t contentEnd = i;
          while (contentEnd > start && IsBreakSpace(items[contentEnd - 1].Code)) {
            --contentEnd;
          }
          if (contentEnd > start) {
            breakEnd = contentEnd;
            breakNext = i;
            haveBreak = true;
          }
        }
        if (x + adv > m_options.MaxWidth && haveBreak) {
          lines.push_back(Place(items.data() + start, items.data() + breakEnd));
          start = breakNext;
          wrapped = true;
          break;
        }
        x += adv;
      }
      if (!wrapped) {
        lines.push_back(Place(items.data() + start, items.data() + end));
        return;
      }
    }
  }

  void AddEllipsis(TextLine& line) const {
    if (line.Width <= m_options.MaxWidth) {
      return;
    }
    int ellipsisWidth = 0;
    for (char32_t c : kEllipsis) {
      ellipsisWidth += std::max(m_advance(c), 0);
    }
    std::size_t keep = 0;
    while (keep < line.Chars.size() &&
           line.Chars[keep].X + line.Chars[keep].Advance + ellipsisWidth <= m_options.MaxWidth) {
      ++keep;
    }
    line.Chars.resize(keep);
    int x = keep == 0 ? 0 : line.Chars.back().X + line.Chars.back().Advance;
    for (char32_t c : kEllipsis) {
      const int adv = std::max(m_advance(c), 0);
      line.Chars.push_back({c, x, adv, false});
      x += adv;
    }
    line.Width = x;
  }

 private:
  static bool BreakBefore(const std::vector<Item>& items, std::size_t start, std::size_t i) {
    const char32_t before = items[i - 1].Code;
    if (IsBreakSpace(before)) {
      return i - 1 >= start;
    }
    return IsCjkBreak(before, items[i].Code);
  }

  const TextLayoutOptions& m_options;
  const std::function<int(char32_t)>& m_advance;
};

}  // namespace

bool IsCjkBreak(char32_t before, char32_t after) {
  if (!IsCjk(before) && !IsCjk(after)) {
    return false;
  }
  if (IsBreakSpace(before) || IsBreakSpace(after)) {
    return false;
  }
  return kNoBreakBefore.find(after) == std::u32string_view::npos &&
         kNoBreakAfter.find(before) == std::u32string_view::npos;
}

std::vector<TextLine> LayoutText(std::u32string_view text, const TextLayoutOptions& options,
                                 const std::function<int(char32_t)>& advance) {
  const std::vector<Item> items = ApplyPrefix(text, options.Flags);
  const LineBuilder builder(options, advance);
  const bool singleLine = (options.Flags & kDtSingleLine) != 0;
  const bool wordBreak = !singleLine && (options.Flags & kDtWordBreak) != 0;

  std::vector<TextLine> lines;
  std::size_t start = 0;
  while (start <= items.size()) {
    std::size_t end = start;
    if (singleLine) {
      end = items.size();
    } else {
      while (end < items.size() && items[end].Code != U'\r' && items[end].Code != U'\n') {
        ++end;
      }
    }
    if (wordBreak && end > start) {
      builder.Wrap(items, start, end, lines);
    } else {
      lines.push_back(builder.Place(items.data() + start, items.data() + end));
    }
    if (end >= items.size()) {
      break;
    }
    // CR LF counts as one break.
    start =
        end + ((items[end].Code == U'\r' && end + 1 < items.size() && items[end + 1].Code == U'\n')
                   ? 2
                   : 1);
  }
  // Only the end of the text gets the ellipsis; an overlong word on an earlier line is clipped.
  if ((options.Flags & kDtEndEllipsis) != 0) {
    builder.AddEllipsis(lines.back());
  }
  return lines;
}

}  // namespace orvanta::gfx
