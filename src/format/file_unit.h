// A unit connected to a text file: records are buffered, end in CR LF and go
// to the system when flushed or closed. The file is opened with status
// "unknown": a missing file is created, an existing one keeps its content
// until the first record replaces it from its start.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

#include "format/items.h"
#include "format/pattern.h"

namespace serigen {

// Every record of a file ends in CR LF, on every platform.
inline constexpr std::string_view kFileRecordEnd = "\r\n";

// The path as the operating system wants it: inside the program and in
// everything it writes, directories are separated by '\'.
std::string native_path(std::string_view path);

class FileUnit {
 public:
  FileUnit(int unit, std::string_view name) : unit_(unit), name_(name) {}
  FileUnit(const FileUnit&) = delete;
  FileUnit& operator=(const FileUnit&) = delete;
  ~FileUnit();  // closes without a check: only reached when a run is cut short

  // Returns 0, or the system's non-zero error code when the file cannot be
  // opened for writing.
  int open();
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

 private:
  [[noreturn]] void write_failed();

  int unit_;
  std::string name_;
  std::FILE* file_ = nullptr;
  bool replace_on_write_ = false;  // an existing file, not yet written
  std::string pending_;            // records not yet handed to the system
};

}  // namespace serigen
