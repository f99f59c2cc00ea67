#pragma once
// Russian literals are written in UTF-8 source and turned into Windows-1251
// bytes at compile time:  "Футбол"_w1251  is a std::string_view of 6 bytes,
// "Футбол"_w1251s  a std::string of them.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kavero {
namespace detail {

template <std::size_t N>
struct Utf8Text {
  char bytes[N]{};
  consteval Utf8Text(const char (&text)[N]) {
    for (std::size_t i = 0; i < N; ++i) bytes[i] = text[i];
  }
};

constexpr unsigned char Cp1251Byte(char32_t cp) {
  if (cp < 0x80) return static_cast<unsigned char>(cp);
  if (cp >= 0x410 && cp <= 0x44F) return static_cast<unsigned char>(cp - 0x410 + 0xC0);
  // clang-format off
  switch (cp) {
    case 0x401: return 0xA8;   // Ё
    case 0x451: return 0xB8;   // ё
    case 0xA0: return 0xA0;    // no-break space
    case 0xAB: return 0xAB;    // «
    case 0xBB: return 0xBB;    // »
    case 0x2013: return 0x96;  // en dash
    case 0x2014: return 0x97;  // em dash
    case 0x2116: return 0xB9;  // №
    default: break;
  }
  // clang-format on
  throw "character not available in Windows-1251 literals";
}

template <std::size_t N>
constexpr std::size_t CodePointCount(const Utf8Text<N>& text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i + 1 < N; ++i) {
    if ((static_cast<unsigned char>(text.bytes[i]) & 0xC0) != 0x80) ++count;
  }
  return count;
}

template <Utf8Text S>
struct Cp1251Storage {
  static constexpr std::size_t kSize = CodePointCount(S);
  static constexpr std::array<char, kSize + 1> kBytes = [] {
    std::array<char, kSize + 1> out{};
    std::size_t o = 0;
    for (std::size_t i = 0; i + 1 < sizeof(S.bytes);) {
      const auto lead = static_cast<unsigned char>(S.bytes[i]);
      char32_t cp = 0;
      std::size_t len = 1;
      if (lead < 0x80) {
        cp = lead;
      } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        len = 2;
      } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        len = 3;
      } else {
        throw "unsupported UTF-8 sequence in literal";
      }
      for (std::size_t k = 1; k < len; ++k) {
        cp = (cp << 6) | (static_cast<unsigned char>(S.bytes[i + k]) & 0x3F);
      }
      out[o++] = static_cast<char>(Cp1251Byte(cp));
      i += len;
    }
    return out;
  }();
};

}  // namespace detail

inline namespace literals {
template <detail::Utf8Text S>
constexpr std::string_view operator""_w1251() {
  return {detail::Cp1251Storage<S>::kBytes.data(), detail::Cp1251Storage<S>::kSize};
}
// Not constexpr on purpose: clang 14 (clang-tidy) crashes when it tries a
// std::string built from the view above as a constant initialiser.
template <detail::Utf8Text S>
std::string operator""_w1251s() {
  return {detail::Cp1251Storage<S>::kBytes.data(), detail::Cp1251Storage<S>::kSize};
}
}  // namespace literals

}  // namespace kavero
