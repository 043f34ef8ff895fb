#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace orvanta::present {

// Text written as it is formatted: rows are appended to a buffer that goes to the writer each
// time it passes kFlushSize bytes, so a report of any length takes the same memory.
class TextOut {
 public:
  static constexpr std::size_t kFlushSize = std::size_t{64} << 10;
  // Takes the text; false when it could not be written, which ends all further writing.
  using Writer = std::function<bool(std::string_view text)>;

  explicit TextOut(Writer write) : m_write(std::move(write)) { m_buffer.reserve(2 * kFlushSize); }
  ~TextOut() { Flush(); }
  TextOut(const TextOut&) = delete;
  TextOut& operator=(const TextOut&) = delete;

  // Where the text of a row is appended.
  std::string& Buffer() { return m_buffer; }
  // Ends a row: writes the buffer once it is full enough.
  void EndRow() {
    if (m_buffer.size() >= kFlushSize) {
      Flush();
    }
  }
  // Writes what is buffered; false once any write has failed.
  bool Flush() {
    if (!m_buffer.empty() && m_ok) {
      m_ok = m_write(m_buffer);
    }
    m_buffer.clear();
    return m_ok;
  }

 private:
  Writer m_write;
  std::string m_buffer;
  bool m_ok = true;
};

// Collects what format writes to a TextOut into one string.
template <typename Format>
std::string CollectText(const Format& format) {
  std::string text;
  {
    TextOut out([&text](std::string_view part) {
      text.append(part);
      return true;
    });
    format(out);
  }
  return text;
}

}  // namespace orvanta::present
