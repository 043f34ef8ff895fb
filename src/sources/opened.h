#pragma once

#include <string>
#include <utility>
#include <vector>

#include "sources/file_note.h"

namespace orvanta::sources {

// What opening or reading a source gave: its Value, or, where Error is not empty, why nothing
// could be had. Name is what messages call the source (a path, or "journal"); Note, when set,
// says what of an opened source was left unread or how it was read; FileNotes name the files
// of a directory that were not read whole.
template <typename T>
struct Opened {
  T Value{};
  std::string Name;
  std::string Error;
  std::string Note;
  std::vector<FileNote> FileNotes;

  bool Ok() const { return Error.empty(); }

  // Adds to the note, after what it says already.
  void AddNote(const std::string& text) {
    if (!text.empty()) {
      Note += Note.empty() ? text : "; " + text;
    }
  }

  // The same result with another value, taken from this one's messages.
  template <typename U>
  Opened<U> With(U value) && {
    return {std::move(value), std::move(Name), std::move(Error), std::move(Note),
            std::move(FileNotes)};
  }
};

// Why a source could not be had, with nothing of it.
template <typename T>
Opened<T> Failed(std::string error) {
  Opened<T> opened;
  opened.Error = std::move(error);
  return opened;
}

}  // namespace orvanta::sources
