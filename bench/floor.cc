// The floor of a whole run: the same files, the same bytes, in the same order
// as a serigen run, with no formatting at all. Every text is a copy of what a
// reference run of serigen wrote, with the event's name and numbers patched
// in at fixed places.
//   serigen_floor <reference-dir> < answers
// The reference directory holds a finished serigen run on the same answers
// and its console output in the file `stdout`.
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

// Opens a file as serigen does ("unknown" status: an existing file is opened
// in place and replaced when written) and writes it whole. On ext4 this is
// cheaper than a plain open with truncation, so the floor does the same.
void write_file(const char* path, const std::string& bytes) {
  std::FILE* f = std::fopen(path, "r+b");
  f = f != nullptr ? std::freopen(path, "w+b", f) : std::fopen(path, "w+b");
  if (f == nullptr) {
    std::perror(path);
    std::exit(2);
  }
  std::setvbuf(f, nullptr, _IONBF, 0);
  if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
    std::perror(path);
    std::exit(2);
  }
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
  std::FILE* chain = std::fopen("event/events_to_follow.txt", "wb");

  std::string temp1 = temp1_ref, temp3 = temp3_ref, event = event_ref, line;
  for (std::size_t k = 0; k < paths.size(); ++k) {
    const std::string name = name_of(paths[k]);
    const int year = std::stoi(name.substr(0, 4));
    const int month = std::stoi(name.substr(4, 2));
    if (k > 0) write_file("temp5.fls", name + "\r\n" + temp5_tail);
    std::memcpy(&temp1[0], name.data(), 4);
    std::memcpy(&temp1[5], name.data() + 4, 2);
    std::memcpy(&temp1[8], name.data() + 6, 2);
    write_file("temp1.fls", temp1);
    if (k == 0) write_file("temp2.fls", name + "\r\n");
    patch(temp3, temp3_names, name.data(), 8);
    write_file("temp3.fls", temp3);
    patch(event, event_names, name.data(), 8);
    std::memcpy(&event[year_at], name.data(), 4);
    std::memcpy(&event[month_at], name.data() + 4, 2);
    std::memcpy(&event[day_at], name.data() + 6, 2);
    char h[8];
    std::snprintf(h, sizeof h, "%5d", hours(year, month, months));
    std::memcpy(&event[rain_at], h, 5);
    std::memcpy(&event[flow_at], h, 5);
    std::string path = "event/" + paths[k].substr(6);
    write_file(path.c_str(), event);
    line = " " + paths[k];
    line.resize(61, ' ');
    line += "... created\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    line = " " + paths[k];
    line.resize(73, ' ');
    line += "\r\n";
    std::fwrite(line.data(), 1, line.size(), chain);
    std::fflush(chain);
  }
  std::fclose(chain);
  std::fwrite(console.data() + after_created, 1, console.size() - after_created, stdout);
  std::fflush(stdout);
  std::fputs("Normal ending\n", stderr);
  std::fclose(info);
  return 0;
}
