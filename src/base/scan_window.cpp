#include "base/scan_window.h"

#include <bit>
#include <cstring>

namespace kavero {
namespace {

// A byte loop: the markers are a few bytes long, shorter than a library call.
bool StartsWith(std::string_view text, std::size_t at, std::string_view marker) {
  if (text.size() - at < marker.size()) return false;
  for (std::size_t i = 0; i < marker.size(); ++i) {
    if (text[at + i] != marker[i]) return false;
  }
  return true;
}

}  // namespace

// In HTML the first byte of most markers, "<", comes every few bytes, so a
// first-byte search stops all the time; testing three bytes of the marker at
// 16 positions at once lets whole blocks go by.
std::size_t FindMarker(std::string_view text, std::string_view marker, std::size_t from) {
  static_assert(std::endian::native == std::endian::little, "the first byte is the lowest");
  using Block = unsigned char __attribute__((vector_size(16)));
  constexpr std::size_t kWidth = sizeof(Block);
  if (marker.empty() || text.size() < marker.size()) return std::string_view::npos;
  const std::size_t last = text.size() - marker.size();  // the last possible start
  const std::size_t middle = marker.size() / 2;
  const std::size_t end = marker.size() - 1;
  const auto splat = [](char byte) {
    Block block;
    for (std::size_t i = 0; i < kWidth; ++i) block[i] = static_cast<unsigned char>(byte);
    return block;
  };
  const Block first_bytes = splat(marker[0]);
  const Block middle_bytes = splat(marker[middle]);
  const Block end_bytes = splat(marker[end]);
  const auto load = [&text](std::size_t at) {
    Block block;
    std::memcpy(&block, text.data() + at, kWidth);
    return block;
  };
  for (; from + kWidth - 1 <= last; from += kWidth) {
    const Block candidates = (load(from) == first_bytes) & (load(from + middle) == middle_bytes) &
                             (load(from + end) == end_bytes);
    std::uint64_t halves[2];
    std::memcpy(halves, &candidates, kWidth);
    if ((halves[0] | halves[1]) == 0) continue;
    for (std::size_t half = 0; half < 2; ++half) {
      // One bit per candidate byte (all ones or all zeros); the lowest bit is the first byte.
      for (auto bits = halves[half] & 0x8080808080808080u; bits != 0; bits &= bits - 1) {
        const auto at = from + half * 8 + static_cast<std::size_t>(std::countr_zero(bits)) / 8;
        if (StartsWith(text, at, marker)) return at;
      }
    }
  }
  for (; from <= last; ++from) {
    if (StartsWith(text, from, marker)) return from;
  }
  return std::string_view::npos;
}

}  // namespace kavero
