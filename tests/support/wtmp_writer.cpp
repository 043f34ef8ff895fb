#include "support/wtmp_writer.h"

#include "support/byte_writer.h"

namespace orvanta::testsupport {

std::vector<std::uint8_t> BuildWtmpRecord(const WtmpEntry& entry) {
  ByteWriter w;
  w.U16(static_cast<std::uint16_t>(entry.Type));
  w.U16(0);  // padding
  w.U32(static_cast<std::uint32_t>(entry.Pid));
  w.FixedText(entry.Line, 32);
  w.FixedText(entry.Line.size() > 4 ? entry.Line.substr(entry.Line.size() - 4) : entry.Line, 4);
  w.FixedText(entry.User, 32);
  w.FixedText(entry.Host, 256);
  w.U16(0);  // exit termination
  w.U16(0);  // exit status
  w.U32(0);  // session
  w.U32(static_cast<std::uint32_t>(entry.Time));
  w.U32(0);     // microseconds
  w.Zeros(16);  // address
  w.Zeros(20);  // reserved
  return std::move(w.Bytes());
}

std::vector<std::uint8_t> WriteWtmpFile(const std::vector<WtmpEntry>& oldestFirst) {
  std::vector<std::uint8_t> file;
  file.reserve(oldestFirst.size() * kWtmpRecordSize);
  for (const WtmpEntry& entry : oldestFirst) {
    std::vector<std::uint8_t> record = BuildWtmpRecord(entry);
    file.insert(file.end(), record.begin(), record.end());
  }
  return file;
}

}  // namespace orvanta::testsupport
