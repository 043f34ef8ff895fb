#include "support/byte_writer.h"

#include <filesystem>
#include <fstream>

namespace orvanta::testsupport {

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool WriteSparseFile(const std::string& path, std::uint64_t size,
                     const std::vector<FilePiece>& pieces) {
  if (!WriteFileBytes(path, {})) {
    return false;
  }
  std::error_code error;
  std::filesystem::resize_file(path, size, error);  // extends with a hole
  std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
  for (const FilePiece& piece : pieces) {
    out.seekp(static_cast<std::streamoff>(piece.Offset));
    out.write(reinterpret_cast<const char*>(piece.Bytes.data()),
              static_cast<std::streamsize>(piece.Bytes.size()));
  }
  return !error && static_cast<bool>(out);
}

}  // namespace orvanta::testsupport
