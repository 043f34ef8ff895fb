#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "history/byte_reader.h"

namespace orvanta::history {

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, std::uint32_t codePoint);

// The NUL-terminated UTF-16LE string at offset as UTF-8, lone surrogates replaced by U+FFFD,
// and the offset after its NUL; nothing when the bytes end first.
std::optional<std::pair<std::string, std::size_t>> ReadUtf16String(const ByteReader& bytes,
                                                                   std::size_t offset);

}  // namespace orvanta::history
