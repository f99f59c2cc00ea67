#include "base/encoding.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <stdexcept>

namespace kavero {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    // (iconv_t)-1 is iconv_open's documented failure value.
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
      throw std::runtime_error("iconv_open failed");
    }
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  iconv_t get() {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    return handle_;
  }

 private:
  iconv_t handle_;
};

// Length of the well-formed UTF-8 sequence at the start of `text`, 0 if ill-formed.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  char32_t min = 0;
  char32_t cp = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, min = 0x80, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, min = 0x800, cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, min = 0x10000, cp = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

// The Unicode text of every Windows-1251 byte, learned once from iconv.
const std::array<std::string, 256>& Cp1251Table() {
  static const std::array<std::string, 256> table = [] {
    std::array<std::string, 256> built;
    Converter converter("UTF-8", "WINDOWS-1251");
    for (std::size_t byte = 0; byte < built.size(); ++byte) {
      char in = static_cast<char>(byte);
      char out[8];
      char* in_ptr = &in;
      char* out_ptr = out;
      std::size_t in_left = 1;
      std::size_t out_left = sizeof out;
      if (iconv(converter.get(), &in_ptr, &in_left, &out_ptr, &out_left) ==
          static_cast<std::size_t>(-1)) {
        built[byte] = "\xEF\xBF\xBD";
      } else {
        built[byte].assign(out, out_ptr);
      }
    }
    return built;
  }();
  return table;
}

}  // namespace

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
  thread_local Converter converter("WINDOWS-1251", "UTF-8");
  iconv_t handle = converter.get();
  std::string out(utf8.size(), '\0');
  char* in_ptr = const_cast<char*>(utf8.data());
  std::size_t in_left = utf8.size();
  char* out_ptr = out.data();
  std::size_t out_left = out.size();
  while (in_left > 0) {
    if (iconv(handle, &in_ptr, &in_left, &out_ptr, &out_left) != static_cast<std::size_t>(-1))
      break;
    if (errno != EILSEQ) return std::nullopt;  // EINVAL: a sequence cut short at the end
    const std::size_t length = Utf8SequenceLength({in_ptr, in_left});
    if (length == 0) return std::nullopt;
    // Well-formed, but Windows-1251 has no such character. Every UTF-8
    // character is at least one byte, so the output always has room.
    *out_ptr++ = '?';
    --out_left;
    in_ptr += length;
    in_left -= length;
  }
  out.resize(out.size() - out_left);
  return out;
}

std::string Cp1251ToUtf8(std::string_view text) {
  const auto& table = Cp1251Table();
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else {
      out += table[byte];
    }
  }
  return out;
}

std::string LowerCp1251(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDF)) {
      c = static_cast<char>(byte + 32);
    } else if (byte == 0xA8) {  // Ё
      c = static_cast<char>(0xB8);
    } else if (byte == 0x80) {  // Ђ
      c = static_cast<char>(0x90);
    } else if (byte == 0x81) {  // Ѓ
      c = static_cast<char>(0x83);
    } else if (byte >= 0x8A && byte <= 0x8F && byte != 0x8B) {  // Љ Њ Ќ Ћ Џ
      c = static_cast<char>(byte + 0x10);
    } else if (byte == 0xA1 || byte == 0xB2 || byte == 0xBD) {  // Ў І Ѕ
      c = static_cast<char>(byte == 0xA1 ? 0xA2 : byte + 1);
    } else if (byte == 0xA3) {  // Ј
      c = static_cast<char>(0xBC);
    } else if (byte == 0xA5 || byte == 0xAA || byte == 0xAF) {  // Ґ Є Ї
      c = static_cast<char>(byte == 0xA5 ? 0xB4 : byte + 0x10);
    }
  }
  return out;
}

}  // namespace kavero
