// Items: the values handed to a write (OutItem) or filled by a read (InItem).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

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

  template <std::size_t N>
  InItem(Fixed<N>& f) : kind(ItemKind::Text), text(f.data()), length(N) {}  // NOLINT
  InItem(std::int32_t& i) : kind(ItemKind::Integer), integer(&i) {}         // NOLINT
  InItem(float& r) : kind(ItemKind::Real), real(&r) {}                      // NOLINT
};

template <class T>
struct is_fixed_text : std::false_type {};
template <std::size_t N>
struct is_fixed_text<Fixed<N>> : std::true_type {};

// The kind of item a value of type T makes, for the compile-time check of a
// pattern's fields.
template <class T>
constexpr ItemKind item_kind() {
  using U = std::remove_cvref_t<T>;
  if constexpr (std::is_same_v<U, std::int32_t>) {
    return ItemKind::Integer;
  } else if constexpr (std::is_same_v<U, float>) {
    return ItemKind::Real;
  } else {
    static_assert(is_fixed_text<U>::value || std::is_convertible_v<const U&, std::string_view>,
                  "an item is a text, a 32-bit integer or a 32-bit real");
    return ItemKind::Text;
  }
}

// Stores a text into a text item: left-justified, blank-filled, cut to fit.
inline void store_text(const InItem& item, std::string_view s) {
  std::size_t n = s.size() < item.length ? s.size() : item.length;
  for (std::size_t i = 0; i < n; ++i) item.text[i] = s[i];
  for (std::size_t i = n; i < item.length; ++i) item.text[i] = ' ';
}

}  // namespace serigen
