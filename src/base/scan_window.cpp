#include "base/scan_window.h"

#include <algorithm>

namespace kavero {

std::size_t MarkerIndex::Find(std::string_view marker, std::size_t from) {
  auto known = std::find_if(answers_.begin(), answers_.end(),
                            [&](const Answer& answer) { return answer.marker == marker; });
  if (known == answers_.end()) {
    known = answers_.insert(answers_.end(), Answer{std::string(marker), 0, 0});
  } else if (known->from <= from && from <= known->found) {
    return known->found;
  }
  known->from = from;
  known->found = text_.find(marker, from);
  return known->found;
}

std::int64_t ScanWindow::Pos(std::string_view marker) const {
  if (marker.empty() || empty()) return 0;
  const auto found = index_->Find(marker, begin_);
  if (found == std::string_view::npos || found + marker.size() > end_) return 0;
  return static_cast<std::int64_t>(found - begin_) + 1;
}

ScanWindow ScanWindow::From(std::int64_t start) const {
  const auto size = static_cast<std::int64_t>(end_ - begin_);
  if (start < 1) start = 1;
  if (start > size) return {index_, end_, end_};
  return {index_, begin_ + static_cast<std::size_t>(start - 1), end_};
}

ScanWindow ScanWindow::Before(std::int64_t pos) const {
  const auto size = static_cast<std::int64_t>(end_ - begin_);
  const auto count = std::clamp<std::int64_t>(pos - 1, 0, size);
  return {index_, begin_, begin_ + static_cast<std::size_t>(count)};
}

}  // namespace kavero
