#pragma once
// The readers cut a page into ever shorter windows and search each one from
// its start. A marker that is far away or missing would make a plain search
// rescan the same bytes at every step, so an index over the page remembers
// where each marker was last found and answers later searches that start
// before that point without scanning again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kavero {

// Offset of the first occurrence of marker in text at or after `from`, npos
// when none (and for an empty marker).
std::size_t FindMarker(std::string_view text, std::string_view marker, std::size_t from = 0);

class MarkerIndex {
 public:
  explicit MarkerIndex(std::string_view text) : text_(text) {}
  MarkerIndex(const MarkerIndex&) = delete;
  MarkerIndex& operator=(const MarkerIndex&) = delete;

  std::string_view text() const { return text_; }
  // FindMarker(text(), marker, from). Linear overall as long as each marker is
  // searched from advancing offsets. Markers are remembered by reference: each
  // must outlive the index (a literal, or a string made before the index).
  std::size_t Find(std::string_view marker, std::size_t from) {
    for (auto& answer : answers_) {
      // The loops search the same literals over and over: their address settles it.
      if ((answer.marker.data() != marker.data() || answer.marker.size() != marker.size()) &&
          answer.marker != marker) {
        continue;
      }
      if (answer.from <= from && from <= answer.found) return answer.found;
      answer.from = from;
      answer.found = FindMarker(text_, marker, from);
      return answer.found;
    }
    return answers_.emplace_back(Answer{marker, from, FindMarker(text_, marker, from)}).found;
  }

 private:
  struct Answer {
    std::string_view marker;
    std::size_t from;   // the search started here...
    std::size_t found;  // ...and found the marker here (npos: nowhere after `from`)
  };
  std::string_view text_;
  std::vector<Answer> answers_;
};

// A stretch [begin, end) of an indexed text, cut and searched with the
// semantics of TextPos and TextSlice.
class ScanWindow {
 public:
  explicit ScanWindow(MarkerIndex& index) : index_(&index), begin_(0), end_(index.text().size()) {}

  std::string_view view() const { return index_->text().substr(begin_, end_ - begin_); }
  bool empty() const { return begin_ == end_; }

  // 1-based position of the first occurrence wholly inside the window, 0 when absent.
  std::int64_t Pos(std::string_view marker) const {
    if (marker.empty() || empty()) return 0;
    const auto found = index_->Find(marker, begin_);
    if (found == std::string_view::npos || found + marker.size() > end_) return 0;
    return static_cast<std::int64_t>(found - begin_) + 1;
  }
  bool Contains(std::string_view marker) const { return Pos(marker) != 0; }
  // The window from 1-based `start` on (a start below 1 counts as 1).
  ScanWindow From(std::int64_t start) const {
    const auto size = static_cast<std::int64_t>(end_ - begin_);
    if (start < 1) start = 1;
    if (start > size) return {index_, end_, end_};
    return {index_, begin_ + static_cast<std::size_t>(start - 1), end_};
  }
  // The first `pos` - 1 characters (empty when pos is 0 or 1).
  ScanWindow Before(std::int64_t pos) const {
    const auto size = static_cast<std::int64_t>(end_ - begin_);
    const auto count = std::clamp<std::int64_t>(pos - 1, 0, size);
    return {index_, begin_, begin_ + static_cast<std::size_t>(count)};
  }
  // The text from (position of marker) + skip on.
  ScanWindow After(std::string_view marker, std::int64_t skip) const {
    return From(Pos(marker) + skip);
  }
  // The text before the first occurrence of marker (empty when absent).
  ScanWindow Before(std::string_view marker) const { return Before(Pos(marker)); }

 private:
  ScanWindow(MarkerIndex* index, std::size_t begin, std::size_t end)
      : index_(index), begin_(begin), end_(end) {}

  MarkerIndex* index_;
  std::size_t begin_;
  std::size_t end_;
};

}  // namespace kavero
