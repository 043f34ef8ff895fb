#pragma once

#include <string>
#include <string_view>

namespace orvanta::ui {

// The access key of a caption: the character after the first single "&" ("&&" stands for a
// literal "&"), or 0 when there is none. Captions are UTF-8.
char32_t AccessKeyOf(std::string_view caption);

// Whether a typed character selects the caption's access key. Letters match regardless of
// case.
bool IsAccessKey(char32_t typed, std::string_view caption);

// The caption as shown: "&" markers removed, "&&" turned into "&".
std::string StripAccessMarkers(std::string_view caption);

// Decodes one UTF-8 code point at text[pos] and advances pos; malformed bytes decode as
// U+FFFD, one byte at a time.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);

}  // namespace orvanta::ui
