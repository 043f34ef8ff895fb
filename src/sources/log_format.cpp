#include "sources/log_format.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "sources/evt_file_log.h"
#include "sources/evtx_file.h"

namespace orvanta::sources {
namespace {

struct Signature {
  std::string_view Bytes;
  LogFormat Format;
};

constexpr std::array<Signature, 2> kSignatures{{
    {"LPKSHHRH", LogFormat::Journal},
    {{"SQLite format 3\0", 16}, LogFormat::Sqlite},
}};

}  // namespace

LogFormat RecognizeLogFormat(std::span<const std::uint8_t> head) {
  if (EvtFileLog::HasSignature(head)) {
    return LogFormat::Evt;
  }
  if (HasEvtxSignature(head)) {
    return LogFormat::Evtx;
  }
  for (const Signature& signature : kSignatures) {
    if (head.size() >= signature.Bytes.size() &&
        std::equal(signature.Bytes.begin(), signature.Bytes.end(), head.begin(),
                   [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; })) {
      return signature.Format;
    }
  }
  return LogFormat::Other;
}

}  // namespace orvanta::sources
