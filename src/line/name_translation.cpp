#include "line/name_translation.h"

#include <array>
#include <vector>

#include "base/encoding.h"
#include "base/text_cuts.h"

namespace kavero {
namespace {

struct Entry {
  std::string left;
  std::string right;
  std::string left_lower;
  std::string right_lower;
};

struct ParsedDictionary {
  std::string text;
  std::vector<Entry> entries;
};

ParsedDictionary Parse(std::string_view text) {
  ParsedDictionary parsed{std::string(text), {}};
  for (std::string_view line : SplitLines(text)) {
    const auto equals = line.find('=');
    const std::string_view left =
        equals == std::string_view::npos ? std::string_view() : Trim(line.substr(0, equals));
    const std::string_view right =
        Trim(equals == std::string_view::npos ? line : line.substr(equals + 1));
    parsed.entries.push_back(
        {std::string(left), std::string(right), LowerCp1251(left), LowerCp1251(right)});
  }
  return parsed;
}

// The run translates a few hundred names against the same two texts in
// turn, so the last two parsed dictionaries are kept.
const std::vector<Entry>& EntriesOf(std::string_view dictionary) {
  thread_local std::array<ParsedDictionary, 2> cache;
  thread_local std::size_t next_slot = 0;
  for (const ParsedDictionary& parsed : cache) {
    if (parsed.text == dictionary) return parsed.entries;
  }
  ParsedDictionary& slot = cache[next_slot];
  next_slot = (next_slot + 1) % cache.size();
  slot = Parse(dictionary);
  return slot.entries;
}

}  // namespace

std::string TranslateTeam(std::string_view dictionary, std::string_view name) {
  const std::string name_lower = LowerCp1251(name);
  for (const Entry& entry : EntriesOf(dictionary)) {
    if (entry.right_lower == name_lower) return entry.left;
  }
  return std::string(name);
}

std::string TranslateChampionship(std::string_view dictionary, std::string_view name) {
  if (name.empty()) return {};
  const std::string name_lower = LowerCp1251(name);
  for (const Entry& entry : EntriesOf(dictionary)) {
    if (entry.left_lower.empty()) continue;
    if (name_lower.find(entry.left_lower) != std::string::npos ||
        entry.left_lower.find(name_lower) != std::string::npos) {
      return entry.right;
    }
  }
  return std::string(name);
}

}  // namespace kavero
