// The floor of a whole run: the same files, the same bytes, in the same order
// as a serigen run, with no formatting at all. Every text is a copy of what a
// reference run of serigen wrote, with the event's name and numbers patched
// in at fixed places.
//   serigen_floor <reference-dir> < answers
// The reference directory holds a finished serigen run on the same answers
// and its console output in the file `stdout`.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

[[noreturn]] void fail(const std::string& path) {
  std::perror(path.c_str());
  std::exit(2);
}

void write_all(int fd, const std::string& bytes, const std::string& path) {
  if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) fail(path);
}

// The same guarantee as serigen's for files the model reads: the bytes go to
// a temporary file beside the file, which is closed and renamed over it.
void replace_file(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".serigen-tmp";
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) fail(temporary);
  write_all(fd, bytes, temporary);
  if (::close(fd) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) fail(path);
}

// Scratch files: one open, one write, a cut to the new length.
void rewrite_file(const char* path, const std::string& bytes) {
  int fd = ::open(path, O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) fail(path);
  write_all(fd, bytes, path);
  if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::close(fd) != 0) fail(path);
}

std::vector<std::size_t> offsets_of(const std::string& text, const std::string& what) {
  std::vector<std::size_t> at;
  for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) at.push_back(p);
  return at;
}

void patch(std::string& text, const std::vector<std::size_t>& at, const char* with, std::size_t n) {
  for (std::size_t p : at) std::memcpy(&text[p], with, n);
}

bool leap(int y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

int hours(int year, int month, int months) {
  static const int kMonth[12] = {744, 672, 744, 720, 744, 720, 744, 744, 720, 744, 720, 744};
  if (months == 1) return kMonth[month - 1] + (month == 2 && leap(year) ? 24 : 0);
  return 8760 + (leap(month <= 2 ? year : year + 1) ? 24 : 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: serigen_floor <reference-dir> < answers\n");
    return 2;
  }
  const std::string ref = argv[1];
  std::string answer, months_answer;
  std::getline(std::cin, answer);
  std::getline(std::cin, answer);
  std::getline(std::cin, months_answer);
  const int months = std::stoi(months_answer);

  const std::string console = read_file(ref + "/stdout");
  const std::string chain_ref = read_file(ref + "/event/events_to_follow.txt");
  const std::string temp3_ref = read_file(ref + "/temp3.fls");
  const std::string temp1_ref = read_file(ref + "/temp1.fls");
  const std::string temp5_ref = read_file(ref + "/temp5.fls");

  // Event paths in order, from the reference chain list.
  std::vector<std::string> paths;
  for (std::size_t p = 0; p < chain_ref.size(); p = chain_ref.find('\n', p) + 1) {
    std::string line = chain_ref.substr(p + 1, 72);
    paths.push_back(line.substr(0, line.find(' ')));
  }
  auto name_of = [](const std::string& path) { return path.substr(6, 8); };
  std::string event_ref = read_file(ref + "/" + paths.front().replace(5, 1, "/"));
  paths.front().replace(5, 1, "\\");

  const std::string first = name_of(paths.front());
  const std::string last = name_of(paths.back());
  const auto event_names = offsets_of(event_ref, first);
  const auto temp3_names = offsets_of(temp3_ref, last);
  const std::size_t year_at = event_ref.find(":year") + 30;
  const std::size_t month_at = event_ref.find(":month") + 30;
  const std::size_t day_at = event_ref.find(":day") + 30;
  const std::size_t rain_at = event_ref.find(":hoursraindata") + 30;
  const std::size_t flow_at = event_ref.find(":hoursflowdata") + 30;
  const std::string temp5_tail = temp5_ref.substr(10);
  const std::size_t first_created = console.find(" event\\");
  const std::size_t after_created = console.find(" A file called");

  std::FILE* info = std::fopen("evt_info.txt", "ab");
  std::fwrite(console.data(), 1, first_created, stdout);
  int chain = -1;  // the list is replaced by its first line, then appended to

  std::string temp1 = temp1_ref, temp3 = temp3_ref, event = event_ref, line;
  for (std::size_t k = 0; k < paths.size(); ++k) {
    const std::string name = name_of(paths[k]);
    const int year = std::stoi(name.substr(0, 4));
    const int month = std::stoi(name.substr(4, 2));
    if (k > 0) rewrite_file("temp5.fls", name + "\r\n" + temp5_tail);
    std::memcpy(&temp1[0], name.data(), 4);
    std::memcpy(&temp1[5], name.data() + 4, 2);
    std::memcpy(&temp1[8], name.data() + 6, 2);
    rewrite_file("temp1.fls", temp1);
    if (k == 0) rewrite_file("temp2.fls", name + "\r\n");
    patch(temp3, temp3_names, name.data(), 8);
    rewrite_file("temp3.fls", temp3);
    patch(event, event_names, name.data(), 8);
    std::memcpy(&event[year_at], name.data(), 4);
    std::memcpy(&event[month_at], name.data() + 4, 2);
    std::memcpy(&event[day_at], name.data() + 6, 2);
    char h[8];
    std::snprintf(h, sizeof h, "%5d", hours(year, month, months));
    std::memcpy(&event[rain_at], h, 5);
    std::memcpy(&event[flow_at], h, 5);
    replace_file("event/" + paths[k].substr(6), event);
    line = " " + paths[k];
    line.resize(61, ' ');
    line += "... created\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    line = " " + paths[k];
    line.resize(73, ' ');
    line += "\r\n";
    if (chain < 0) {
      replace_file("event/events_to_follow.txt", line);
      chain = ::open("event/events_to_follow.txt", O_WRONLY | O_APPEND | O_CLOEXEC);
      if (chain < 0) fail("events_to_follow.txt");
    } else {
      write_all(chain, line, "events_to_follow.txt");
    }
  }
  ::close(chain);
  std::fwrite(console.data() + after_created, 1, console.size() - after_created, stdout);
  std::fflush(stdout);
  std::fputs("Normal ending\n", stderr);
  std::fclose(info);
  return 0;
}
