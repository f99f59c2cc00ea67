#include "base/text_cuts.h"

#include <algorithm>

namespace kavero {

std::int64_t TextPos(std::string_view marker, std::string_view text) {
  if (marker.empty() || text.empty()) return 0;
  // One-byte markers ("<", ">", ".") are the most common: a plain byte search.
  const auto at = marker.size() == 1 ? text.find(marker[0]) : text.find(marker);
  return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
}

std::string_view TextSlice(std::string_view text, std::int64_t start, std::int64_t count) {
  const auto length = static_cast<std::int64_t>(text.size());
  if (start < 1) start = 1;
  if (start > length || count < 0) return {};
  return text.substr(static_cast<std::size_t>(start - 1),
                     static_cast<std::size_t>(std::min(count, length - start + 1)));
}

std::string_view TextBefore(std::string_view text, std::string_view marker) {
  return TextSlice(text, 1, TextPos(marker, text) - 1);
}

std::string_view TextAfter(std::string_view text, std::string_view marker, std::int64_t skip) {
  return TextSlice(text, TextPos(marker, text) + skip, static_cast<std::int64_t>(text.size()));
}

std::string_view TextFrom(std::string_view text, std::string_view marker) {
  return TextSlice(text, TextPos(marker, text), static_cast<std::int64_t>(text.size()));
}

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const auto& line : lines) {
    joined += line;
    joined += "\r\n";
  }
  return joined;
}

// Same result as restarting the search at the beginning after every
// replacement, in linear time: the part already written out holds no
// occurrence except near its end, where a replacement may have formed one.
std::string ReplaceAll(std::string_view text, std::string_view old_text,
                       std::string_view new_text) {
  if (old_text.empty() || text.find(old_text) == std::string_view::npos) return std::string(text);
  const std::size_t span = old_text.size() - 1;
  std::string out;
  out.reserve(text.size());
  std::string_view rest = text;
  std::size_t dirty = 0;  // occurrences in `out` can only start at or after this
  while (true) {
    const std::size_t probe_start = std::min(dirty, out.size());
    std::string probe = out.substr(probe_start);
    const std::size_t in_out = probe.size();
    probe.append(rest.substr(0, std::min(span, rest.size())));
    const auto hit = probe.find(old_text);
    if (hit != std::string::npos && hit < in_out) {
      const std::size_t pos = probe_start + hit;
      const std::size_t end = pos + old_text.size();
      if (end <= out.size()) {
        out.replace(pos, old_text.size(), new_text);
      } else {
        rest.remove_prefix(end - out.size());
        out.resize(pos);
        out.append(new_text);
      }
      dirty = pos >= span ? pos - span : 0;
      continue;
    }
    const auto next = rest.find(old_text);
    if (next == std::string_view::npos) {
      out.append(rest);
      return out;
    }
    out.append(rest.substr(0, next));
    rest.remove_prefix(next + old_text.size());
    const std::size_t pos = out.size();
    out.append(new_text);
    dirty = pos >= span ? pos - span : 0;
  }
}

}  // namespace kavero
