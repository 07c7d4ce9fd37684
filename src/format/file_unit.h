// A unit connected to a text file: records are buffered, end in CR LF and go
// to the system when flushed or closed. The file is opened with status
// "unknown": an existing file keeps its content until the first records
// replace it, and they replace it whole and at once. They are written to a
// temporary file beside it (<name>.serigen-tmp), which is closed with every
// error checked and then renamed over the file, so that a failed write, an
// interrupt or a crash leaves either the old file or the new one. Later
// records are appended. A path that is not a regular file (a device) is
// written in place, and so is a file whose directory cannot take the
// temporary file.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "format/items.h"
#include "format/os.h"
#include "format/pattern.h"

namespace serigen {

// Every record of a file ends in CR LF, on every platform.
inline constexpr std::string_view kFileRecordEnd = "\r\n";

// The path as the operating system wants it: inside the program and in
// everything it writes, directories are separated by '\'.
std::string native_path(std::string_view path);

// The ending of temporary files, which a later run may remove.
inline constexpr std::string_view kTemporaryEnding = ".serigen-tmp";

// Missing files: created empty at the open (a list that should exist even
// when nothing is written to it), or made only by the first records.
enum class WhenMissing { CreateEmpty, CreateWithRecords };

class FileUnit {
 public:
  FileUnit(int unit, std::string_view name) : unit_(unit), name_(name) {}
  FileUnit(const FileUnit&) = delete;
  FileUnit& operator=(const FileUnit&) = delete;
  // Only reached with the unit open when a run is cut short: closes without
  // a check and removes an unfinished temporary file.
  ~FileUnit();

  // Returns 0, or the system's error code when the file cannot be written:
  // a file the user may not write, a directory at the path, a missing
  // directory. Nothing at the path changes.
  int open(WhenMissing missing = WhenMissing::CreateEmpty);
  const std::string& name() const { return name_; }

  // A formatted record, its items checked against the pattern when the
  // program is compiled.
  template <const Pattern& P, class... Items>
  void write(const Items&... items) {
    write_checked<P>(pending_, kFileRecordEnd, items...);
  }
  void write_list(std::initializer_list<OutItem> items);
  // Complete records, each already ended by CR LF.
  void put_records(std::string_view text) { pending_.append(text); }

  // Hands the buffered records to the system; a failure is a write error.
  void flush();
  // Flushes and closes, keeping the file; a failure is a write error.
  void close();

  // An exclusive lock on the open file for the rest of the process; false
  // when another process holds it.
  bool try_lock();
  // The file was rewritten in place because its directory could not take a
  // temporary file.
  bool rewritten_in_place() const { return in_place_; }

 private:
  [[noreturn]] void write_failed(int code);
  void replace_whole();
  int create_temporary();
  void drop_temporary();

  int unit_;
  std::string name_;
  bool open_ = false;
  std::string target_;     // the native path of the file, links resolved
  int fd_ = -1;            // the old file until it is replaced, then the file
  bool had_old_ = false;   // a file stood at the path: `old_` describes it
  os::FileInfo old_;
  bool replaced_ = false;  // the first records have gone out
  bool in_place_ = false;
  std::string temporary_;  // native path of the temporary file, while it exists
  int temporary_fd_ = -1;
  std::string pending_;  // records not yet handed to the system
};

// Replaces the file `name` by `records` with one open, one write and a cut
// to the new length, never through a link. Failures end the run with an
// input/output error ("open error" or "write error").
void rewrite_in_place(int unit, std::string_view name, std::string_view records);

}  // namespace serigen
