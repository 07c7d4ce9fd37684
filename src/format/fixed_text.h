// Fixed-length, blank-padded text: every text value of the program has a
// declared length and always holds exactly that many characters.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace serigen {

// Length of a text without its trailing blanks.
inline std::size_t len_trim(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && s[n - 1] == ' ') --n;
  return n;
}

// Texts compare equal when they differ only in trailing blanks.
inline bool same_text(std::string_view a, std::string_view b) {
  return a.substr(0, len_trim(a)) == b.substr(0, len_trim(b));
}

template <std::size_t N>
struct Fixed {
  std::array<char, N> chars;

  Fixed() { chars.fill(' '); }
  Fixed(std::string_view s) { assign(s); }  // NOLINT: texts convert freely

  // A shorter value is padded with blanks, a longer one keeps its first N.
  Fixed& assign(std::string_view s) {
    std::size_t n = std::min(s.size(), N);
    std::copy_n(s.data(), n, chars.data());
    std::fill(chars.begin() + static_cast<std::ptrdiff_t>(n), chars.end(), ' ');
    return *this;
  }
  Fixed& operator=(std::string_view s) { return assign(s); }

  static constexpr std::size_t size() { return N; }
  char* data() { return chars.data(); }
  const char* data() const { return chars.data(); }
  std::string_view view() const { return {chars.data(), N}; }
  std::string_view trimmed() const { return view().substr(0, len_trim(view())); }
  char operator[](std::size_t i) const { return chars[i]; }

  template <std::size_t M>
  bool operator==(const Fixed<M>& other) const {
    return same_text(view(), other.view());
  }
  bool operator==(std::string_view s) const { return same_text(view(), s); }
};

}  // namespace serigen
