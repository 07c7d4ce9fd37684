// Items: the values handed to a write (OutItem) or filled by a read (InItem).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "format/fixed_text.h"

namespace serigen {

enum class ItemKind { Text, Integer, Real };

struct OutItem {
  ItemKind kind;
  std::string_view text;
  std::int32_t integer = 0;
  float real = 0.0f;

  OutItem(std::string_view s) : kind(ItemKind::Text), text(s) {}    // NOLINT
  OutItem(const char* s) : kind(ItemKind::Text), text(s) {}         // NOLINT
  OutItem(const std::string& s) : kind(ItemKind::Text), text(s) {}  // NOLINT
  template <std::size_t N>
  OutItem(const Fixed<N>& f) : kind(ItemKind::Text), text(f.view()) {}  // NOLINT
  OutItem(std::int32_t i) : kind(ItemKind::Integer), integer(i) {}      // NOLINT
  OutItem(float r) : kind(ItemKind::Real), real(r) {}                   // NOLINT
};

struct InItem {
  ItemKind kind;
  char* text = nullptr;
  std::size_t length = 0;
  std::int32_t* integer = nullptr;
  float* real = nullptr;

  InItem(char* p, std::size_t n) : kind(ItemKind::Text), text(p), length(n) {}
  template <std::size_t N>
  InItem(Fixed<N>& f) : kind(ItemKind::Text), text(f.data()), length(N) {}  // NOLINT
  InItem(std::int32_t& i) : kind(ItemKind::Integer), integer(&i) {}         // NOLINT
  InItem(float& r) : kind(ItemKind::Real), real(&r) {}                      // NOLINT
};

// Stores a text into a text item: left-justified, blank-filled, cut to fit.
inline void store_text(const InItem& item, std::string_view s) {
  std::size_t n = s.size() < item.length ? s.size() : item.length;
  for (std::size_t i = 0; i < n; ++i) item.text[i] = s[i];
  for (std::size_t i = n; i < item.length; ++i) item.text[i] = ' ';
}

}  // namespace serigen
