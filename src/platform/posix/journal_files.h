#pragma once

#include <string>
#include <vector>

#include "sources/file_note.h"

struct sd_journal;

namespace orvanta::platform {

// One journal file open for reading through the journal library. A file shorter than its header
// says (cut short, or shrunk since it was written) is read from a temporary copy that zeros
// (holes) fill out to the length the header gives, and CutShort says so.
class JournalFile {
 public:
  // Error is the reason when the file cannot be read at all (no Get()).
  static JournalFile Open(const std::string& path);

  JournalFile(JournalFile&& other) noexcept;
  JournalFile& operator=(JournalFile&&) = delete;
  JournalFile(const JournalFile&) = delete;
  ~JournalFile();

  sd_journal* Get() const { return m_journal; }
  bool CutShort() const { return m_copy >= 0; }
  const std::string& Error() const { return m_error; }

 private:
  JournalFile() = default;

  sd_journal* m_journal = nullptr;
  int m_copy = -1;         // the padded copy's descriptor, which the journal reads from
  std::string m_copyPath;  // removed when the journal is closed
  std::string m_error;
};

// The journal files of a directory and of its subdirectories of one machine each, sorted by
// path. Error: why the directory cannot be listed; Unlisted: subdirectories that cannot be.
struct JournalFileList {
  std::vector<std::string> Paths;
  std::vector<sources::FileNote> Unlisted;
  std::string Error;
};

JournalFileList ListJournalFiles(const std::string& directory);

// A plain reason for a negative errno of the journal library.
std::string JournalReason(int negativeErrno);

}  // namespace orvanta::platform
