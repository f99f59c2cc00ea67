#include "line/text.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

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

std::string_view GetField(std::string_view line, int n) {
  for (int i = 1; i < n; ++i) line = TextAfter(line, ">>", 2);
  return TextBefore(line, ">>");
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

std::string_view CellText(std::string_view fragment) {
  if (fragment == "&nbsp;") return "0";
  auto text = Trim(fragment);
  if (TextPos(">", text) != 0) text = TextAfter(text, ">", 1);
  if (TextPos("<", text) != 0) text = TextBefore(text, "<");
  return text;
}

std::string_view LinkTarget(std::string_view fragment) {
  constexpr std::string_view kMarker = "a href=\"";
  auto text = Trim(fragment);
  if (TextPos(kMarker, text) == 0) return text;
  return TextBefore(TextAfter(text, kMarker, 8), "\"");
}

std::string_view ColspanText(std::string_view fragment) {
  auto text = TextSlice(fragment, TextPos("colspan", fragment) + 1,
                        static_cast<std::int64_t>(fragment.size()));
  text = TextAfter(text, ">", 1);
  if (TextPos("<", text) != 0) text = TextBefore(text, "<");
  return text;
}

int DigitsToInt(std::string_view text) {
  if (text.empty()) return -1;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) return -1;
  }
  return static_cast<int>(value);
}

namespace {

// Numbers of a "h:a" text: the one before ":" and the one after it.
std::pair<int, int> ScoreNumbers(std::string_view text) {
  if (text.empty()) return {0, 0};
  const auto colon = TextPos(":", text);
  return {DigitsToInt(TextSlice(text, 1, colon - 1)),
          DigitsToInt(TextSlice(text, colon + 1, static_cast<std::int64_t>(text.size())))};
}

}  // namespace

int ScorePart(std::string_view score, int part) {
  const auto bracket = TextPos("(", score);
  const auto main = Trim(TextBefore(score, "("));
  auto inner = Trim(TextSlice(score, bracket + 1, static_cast<std::int64_t>(score.size())));
  if (!inner.empty()) inner = TextBefore(inner, ")");
  // clang-format off
  switch (part) {
    case 1: return ScoreNumbers(main).first;
    case 2: return ScoreNumbers(main).second;
    case 3: return ScoreNumbers(inner).first;
    case 4: return ScoreNumbers(inner).second;
    default: return 0;
  }
  // clang-format on
}

std::string DistinctFirstFields(std::string_view text) {
  std::unordered_set<std::string_view> seen;
  std::vector<std::string> collected;
  for (auto line : SplitLines(text)) {
    const auto field = GetField(line, 1);
    if (seen.count(field) != 0 || Trim(field).empty()) continue;
    seen.insert(field);
    collected.emplace_back(field);
  }
  return JoinLines(collected);
}

int FlagIndex(std::string_view name, const std::vector<std::string_view>& stems) {
  for (std::size_t k = 1; k < stems.size(); ++k) {
    if (TextPos(Trim(stems[k]), name) != 0) return static_cast<int>(k);
  }
  return 0;
}

}  // namespace kavero
