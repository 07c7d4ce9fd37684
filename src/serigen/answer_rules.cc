#include "serigen/answer_rules.h"

#include <charconv>
#include <vector>

#include "format/pattern.h"
#include "serigen/calendar.h"

namespace serigen {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!is_digit(c)) return false;
  }
  return true;
}

int number(std::string_view digits) {
  int v = 0;
  for (char c : digits.substr(0, 9)) v = v * 10 + (c - '0');
  return digits.size() > 9 ? 1000000000 : v;
}

// A month outside 1 to 12 stops the run later; until then its day may be
// up to 31.
int days_in(int year, int month) { return month < 1 || month > 12 ? 31 : days_in_month(year, month); }

constexpr std::string_view kStartForm =
    "a start yyyy mm dd hh (or three or four numbers: year, month, day and hour)";

// "2010 6 15 0" and "2010 06 15": whole numbers separated by blanks.
Fixed<13> laid_out(std::string_view line) {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < line.size();) {
    if (line[at] == ' ') {
      ++at;
      continue;
    }
    std::size_t end = line.find(' ', at);
    if (end == std::string_view::npos) end = line.size();
    words.push_back(line.substr(at, end - at));
    at = end;
  }
  if (words.size() < 3 || words.size() > 4) throw Refusal{std::string(kStartForm), std::string(line)};
  for (std::string_view w : words) {
    if (!all_digits(w)) throw Refusal{std::string(kStartForm), std::string(line)};
  }
  auto two = [&](std::size_t k) {
    int v = k < words.size() ? number(words[k]) : 0;
    if (v > 99) throw Refusal{std::string(kStartForm), std::string(line)};
    return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
  };
  int year = number(words[0]);
  if (year < 1000 || year > 9999) throw Refusal{"a year from 1000 to 9999", std::string(line)};
  return Fixed<13>(std::to_string(year) + " " + two(1) + " " + two(2) + " " + two(3));
}

}  // namespace

Fixed<1> take_yes_no(std::string_view line) {
  if (line.find_first_not_of(' ') == std::string_view::npos) return Fixed<1>();
  if (line[0] == 'y' || line[0] == 'n') return Fixed<1>(line.substr(0, 1));
  throw Refusal{"y or n (an empty line counts as no)", std::string(line)};
}

Fixed<13> take_start(std::string_view line, bool month_required) {
  const bool in_layout = line.size() >= 13 && all_digits(line.substr(0, 4)) && all_digits(line.substr(5, 2)) &&
                         all_digits(line.substr(8, 2)) && all_digits(line.substr(11, 2));
  const Fixed<13> start = in_layout ? Fixed<13>(line.substr(0, 13)) : laid_out(line);
  const std::string_view s = start.view();
  const int year = number(s.substr(0, 4));
  const int month = number(s.substr(5, 2));
  const int day = number(s.substr(8, 2));
  const int hour = number(s.substr(11, 2));
  if (year < 1000) throw Refusal{"a year from 1000 to 9999", std::string(line)};
  if (month_required && (month < 1 || month > 12)) throw Refusal{"a month from 1 to 12", std::string(line)};
  if (day < 1 || day > days_in(year, month)) throw Refusal{"a day within its month", std::string(line)};
  if (hour > 23) throw Refusal{"an hour from 0 to 23", std::string(line)};
  return start;
}

void check_series_length(const Fixed<13>& start, std::int32_t events, std::int32_t months_per_event) {
  const std::string_view s = start.view();
  const std::int64_t year = number(s.substr(0, 4));
  const std::int64_t month = number(s.substr(5, 2));
  if (events < 1 || (months_per_event != 1 && months_per_event != 12) || month < 1 || month > 12) return;
  const std::int64_t last_year =
      months_per_event == 12 ? year + events - 1 : (year * 12 + month - 1 + std::int64_t{events} - 1) / 12;
  if (last_year > 9999) {
    throw Refusal{"a start from which " + std::to_string(events) + " events begin by the year 9999",
                  std::string(start.trimmed())};
  }
}

void check_months_per_event(std::int32_t months) {
  if (months != 1 && months != 12) throw Refusal{"1 or 12", std::to_string(months)};
}

namespace {

void check_file_name_characters(const Fixed<8>& name) {
  for (char c : name.view()) {
    auto u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
      throw Refusal{"a name without \\ / : * ? \" < > | or control characters", std::string(name.trimmed())};
    }
  }
}

}  // namespace

void check_designation(const Fixed<8>& designation) { check_file_name_characters(designation); }

void check_basin(const Fixed<8>& basin) {
  check_file_name_characters(basin);
  // The basin's files are named by the characters before its first blank.
  std::string part(basin.view().substr(0, basin.view().find(' ')));
  if (basin.trimmed().empty()) throw Refusal{"a basin name", ""};
  for (char& c : part) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  const bool numbered = part.size() == 4 && (part.starts_with("COM") || part.starts_with("LPT")) &&
                        part[3] >= '1' && part[3] <= '9';
  if (part == "CON" || part == "PRN" || part == "AUX" || part == "NUL" || numbered) {
    throw Refusal{"a basin name that is not a device name of Windows", std::string(basin.trimmed())};
  }
}

void check_report_step(std::int32_t hours) {
  if (hours < 1 || hours > 99999) throw Refusal{"a whole number of hours from 1 to 99999", std::to_string(hours)};
}

void check_rate(float rate) {
  std::string field;
  put_real(field, rate, 5, 2);
  if (field.find('*') != std::string::npos) {
    char typed[32];
    auto r = std::to_chars(typed, typed + sizeof typed, rate);
    throw Refusal{"a rate that fits its five columns, from -9.99 to 99.99", std::string(typed, r.ptr)};
  }
}

}  // namespace serigen
