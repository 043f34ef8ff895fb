#include "support/wtmp_writer.h"

#include "support/byte_writer.h"

namespace orvanta::testsupport {
namespace {

bool IsWide(WtmpFormat format) {
  return format == WtmpFormat::Little400 || format == WtmpFormat::Big400;
}

history::ByteOrder OrderOf(WtmpFormat format) {
  return format == WtmpFormat::Big384 || format == WtmpFormat::Big400 ? history::ByteOrder::Big
                                                                      : history::ByteOrder::Little;
}

}  // namespace

std::size_t WtmpRecordSize(WtmpFormat format) {
  return IsWide(format) ? 400 : kWtmpRecordSize;
}

std::vector<std::uint8_t> BuildWtmpRecord(const WtmpEntry& entry, WtmpFormat format) {
  const history::ByteOrder order = OrderOf(format);
  const std::size_t word = IsWide(format) ? 8 : 4;  // ut_session, tv_sec, tv_usec
  ByteWriter w;
  w.Int(static_cast<std::uint16_t>(entry.Type), 2, order);
  w.U16(0);  // padding
  w.Int(static_cast<std::uint32_t>(entry.Pid), 4, order);
  w.FixedText(entry.Line, 32);
  w.FixedText(entry.Line.size() > 4 ? entry.Line.substr(entry.Line.size() - 4) : entry.Line, 4);
  w.FixedText(entry.User, 32);
  w.FixedText(entry.Host, 256);
  w.U16(0);                                                   // exit termination
  w.U16(0);                                                   // exit status
  w.Int(static_cast<std::uint32_t>(entry.Pid), word, order);  // session
  w.Int(static_cast<std::uint32_t>(entry.Time), word, order);
  w.Int(0, word, order);                       // microseconds
  w.Zeros(16);                                 // address
  w.Zeros(20);                                 // reserved
  w.Zeros(WtmpRecordSize(format) - w.Size());  // alignment of the 64-bit fields
  return std::move(w.Bytes());
}

std::vector<std::uint8_t> WriteWtmpFile(const std::vector<WtmpEntry>& oldestFirst,
                                        WtmpFormat format) {
  std::vector<std::uint8_t> file;
  file.reserve(oldestFirst.size() * WtmpRecordSize(format));
  for (const WtmpEntry& entry : oldestFirst) {
    std::vector<std::uint8_t> record = BuildWtmpRecord(entry, format);
    file.insert(file.end(), record.begin(), record.end());
  }
  return file;
}

}  // namespace orvanta::testsupport
