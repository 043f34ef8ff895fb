// Writes a fixture log for the end-to-end tests: the worked example of the run reconstruction
// as a legacy event log file, its users Unix accounts (S-1-22-1-<uid>) so the passwd database
// names them. Usage: write_fixture_log FILE [UID-A UID-B]
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "history/sid.h"
#include "support/evt_writer.h"
#include "support/worked_example.h"

using namespace orvanta;

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: write_fixture_log FILE [UID-A UID-B]\n");
    return 2;
  }
  const auto uidA = static_cast<std::uint32_t>(argc == 4 ? std::strtoul(argv[2], nullptr, 10) : 0);
  const auto uidB = static_cast<std::uint32_t>(argc == 4 ? std::strtoul(argv[3], nullptr, 10) : 1);
  const std::vector<std::uint8_t> bytes = testsupport::WriteEvtFile(
      testsupport::WorkedExampleEvents(history::EncodeSid(history::MakeSid(22, {1, uidA})),
                                       history::EncodeSid(history::MakeSid(22, {1, uidB}))));
  std::FILE* f = std::fopen(argv[1], "wb");
  if (f == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok ? 0 : 1;
}
