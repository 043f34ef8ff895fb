#pragma once

#include <string>
#include <string_view>

namespace orvanta::gfx {

constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes UTF-8 into code points. Every maximal ill-formed subsequence (a stray continuation
// byte, a truncated sequence, an overlong form, a surrogate, a value above U+10FFFF) becomes
// one U+FFFD; nothing beyond the end of the input is ever read.
std::u32string DecodeUtf8(std::string_view text);

// Appends the UTF-8 form of a code point; invalid code points append U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace orvanta::gfx
