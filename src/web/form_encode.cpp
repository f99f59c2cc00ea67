#include "web/form_encode.h"

#include "base/text_cuts.h"

namespace kavero {

std::string FormEncode(std::string_view value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(value.size() * 3);
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
        (byte >= '0' && byte <= '9')) {
      encoded += c;
    } else if (byte == ' ') {
      encoded += '+';
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return encoded;
}

namespace {

// A line without "=" has no value and travels as written.
std::string EncodeField(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::string(line);
  std::string field(line.substr(0, equals + 1));
  field += FormEncode(line.substr(equals + 1));
  return field;
}

}  // namespace

std::string BuildFormBody(const std::vector<std::string>& fields) {
  if (fields.size() == 1) return std::string(Trim(EncodeField(fields.front())));
  std::string body;
  for (const auto& line : fields) {
    body += EncodeField(line);
    body += '&';
  }
  return std::string(Trim(body));
}

}  // namespace kavero
