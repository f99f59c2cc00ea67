#include "stats/read_ahead.h"

#include <algorithm>
#include <chrono>

#include "stats/history_reader.h"
#include "stats/team_page.h"

namespace kavero {

std::vector<std::string> PagesOfRow(const MatchRow& row, std::string_view bookmaker_site,
                                    const std::vector<std::string>& team_page_list) {
  std::vector<std::string> pages{StatisticsPageAddress(bookmaker_site, row.url),
                                 TeamPageAddress(team_page_list, row.home),
                                 TeamPageAddress(team_page_list, row.away)};
  // An empty address is never requested.
  std::erase(pages, std::string{});
  return pages;
}

std::vector<std::vector<std::string>> PlanPass(const MatchTable& table,
                                               std::string_view bookmaker_site,
                                               const std::vector<std::string>& team_page_list) {
  std::vector<std::vector<std::string>> plan;
  plan.reserve(table.size());
  for (const auto& row : table) plan.push_back(PagesOfRow(row, bookmaker_site, team_page_list));
  return plan;
}

ReadAhead::ReadAhead(PageBatch& fetcher, std::vector<std::vector<std::string>> plan,
                     std::size_t window, std::size_t byte_budget)
    : fetcher_(fetcher),
      plan_(std::move(plan)),
      window_(std::max<std::size_t>(window, 1)),
      byte_budget_(byte_budget) {
  for (const auto& row : plan_) {
    for (const auto& address : row) ++pages_[address].uses;
  }
}

ReadAhead::~ReadAhead() {
  // A pass cut short leaves nothing running or stored in the fetcher.
  for (const auto& [address, page] : pages_) {
    if (page.started) fetcher_.Abandon(address);
  }
}

void ReadAhead::WaitForRow(std::size_t row, const std::function<void()>& process_messages) {
  constexpr std::chrono::milliseconds kPollWait{15};
  if (row >= plan_.size()) return;
  StartWindow(row);
  while (!RowReady(row)) {
    fetcher_.Poll(kPollWait);
    if (BytesHeld() > byte_budget_) ShedAhead(row);
    if (RowReady(row)) break;
    process_messages();
  }
}

FetchResult ReadAhead::Get(const std::string& address) {
  const auto it = pages_.find(address);
  if (it == pages_.end()) {
    // Not planned for this row (the rows were re-sorted meanwhile).
    Page page;
    FetchNow(address, page);
    cookies_served_ = std::max(cookies_served_, page.cookies.set);
    return std::move(*page.result);
  }
  Page& page = it->second;
  if (page.result && Stale(page, cookies_served_)) page.result.reset();
  if (!page.result) FetchNow(address, page);
  cookies_served_ = std::max(cookies_served_, page.cookies.set);
  if (--page.uses > 0) return *page.result;
  FetchResult last = std::move(*page.result);
  pages_.erase(it);
  return last;
}

void ReadAhead::TakeResult(const std::string& address, Page& page) {
  page.cookies = fetcher_.StampOf(address);
  page.result = fetcher_.Take(address);
}

void ReadAhead::FetchNow(const std::string& address, Page& page) {
  page.started = true;
  fetcher_.Await(address);
  TakeResult(address, page);
}

std::size_t ReadAhead::PagesHeld() const {
  return static_cast<std::size_t>(std::count_if(
      pages_.begin(), pages_.end(), [](const auto& entry) { return entry.second.started; }));
}

std::size_t ReadAhead::BytesHeld() const {
  std::size_t bytes = fetcher_.BytesHeld();
  for (const auto& [address, page] : pages_) {
    if (page.result) bytes += page.result->body.size();
  }
  return bytes;
}

void ReadAhead::StartWindow(std::size_t row) {
  const std::size_t end = std::min(plan_.size(), row + window_);
  std::size_t r = std::max(next_row_to_start_, row);
  for (; r < end; ++r) {
    // The awaited row always starts; later ones only while memory is plentiful.
    if (r > row && BytesHeld() >= byte_budget_ / 2) break;
    for (const auto& address : plan_[r]) {
      // Already served to every row that needs it (the rows were re-sorted
      // meanwhile), or under way for an earlier row: nothing to start.
      const auto it = pages_.find(address);
      if (it == pages_.end() || it->second.started) continue;
      fetcher_.Start(address);
      it->second.started = true;
    }
  }
  next_row_to_start_ = std::max(next_row_to_start_, r);
}

void ReadAhead::ShedAhead(std::size_t row) {
  const auto& awaited = plan_[row];
  for (std::size_t r = std::min(plan_.size(), next_row_to_start_);
       r > row + 1 && BytesHeld() > byte_budget_;) {
    --r;
    for (const auto& address : plan_[r]) {
      if (std::find(awaited.begin(), awaited.end(), address) != awaited.end()) continue;
      const auto it = pages_.find(address);
      if (it == pages_.end() || !it->second.started) continue;
      fetcher_.Abandon(address);
      it->second.started = false;
      it->second.result.reset();
    }
    next_row_to_start_ = r;
  }
}

bool ReadAhead::RowReady(std::size_t row) {
  bool ready = true;
  // The row's pages are served in plan order, each after the ones before it.
  int required = cookies_served_;
  for (const auto& address : plan_[row]) {
    const auto it = pages_.find(address);
    if (it == pages_.end()) continue;
    Page& page = it->second;
    if (page.result && Stale(page, required)) page.result.reset();
    if (!page.result) {
      // Start again in case another pass sharing the fetcher took the page away.
      fetcher_.Start(address);
      page.started = true;
      if (fetcher_.IsDone(address)) TakeResult(address, page);
    }
    if (!page.result || Stale(page, required)) {
      ready = false;
      continue;
    }
    required = std::max(required, page.cookies.set);
  }
  return ready;
}

}  // namespace kavero
