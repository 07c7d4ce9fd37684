#include "format/file_unit.h"

#include <cerrno>
#include <cstring>

#include "format/io_error.h"
#include "format/list_directed.h"

namespace serigen {

std::string native_path(std::string_view path) {
  std::string p(path);
#ifndef _WIN32
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
#endif
  return p;
}

FileUnit::~FileUnit() {
  if (file_ != nullptr) std::fclose(file_);
}

int FileUnit::open() {
  std::string path = native_path(name_);
  errno = 0;
  file_ = std::fopen(path.c_str(), "r+b");
  replace_on_write_ = file_ != nullptr;
  if (file_ == nullptr && errno == ENOENT) {
    errno = 0;
    file_ = std::fopen(path.c_str(), "w+b");
  }
  if (file_ == nullptr) return errno != 0 ? errno : EIO;
  // Records are gathered in pending_ and handed over whole.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  return 0;
}

void FileUnit::write_list(std::initializer_list<OutItem> items) { serigen::write_list(pending_, kFileRecordEnd, items); }

void FileUnit::write_failed() {
  int code = errno;
  fail_io(kWriteError, unit_, name_, code != 0 ? std::strerror(code) : std::string());
}

void FileUnit::flush() {
  if (file_ == nullptr) {
    pending_.clear();  // a unit whose open failed (and was reported) keeps nothing
    return;
  }
  if (pending_.empty()) return;
  errno = 0;
  if (replace_on_write_) {
    // The first record rewrites an existing file from its start.
    file_ = std::freopen(native_path(name_).c_str(), "w+b", file_);
    if (file_ == nullptr) write_failed();
    std::setvbuf(file_, nullptr, _IONBF, 0);
    replace_on_write_ = false;
  }
  if (std::fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size()) write_failed();
  pending_.clear();
}

void FileUnit::close() {
  if (file_ == nullptr) return;
  flush();
  errno = 0;
  int rc = std::fclose(file_);
  file_ = nullptr;
  if (rc != 0) write_failed();
}

}  // namespace serigen
