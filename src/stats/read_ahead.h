#pragma once
// Reading the pages of a statistics pass ahead of the rows that need them:
// the pages of the next rows are fetched several at a time while earlier rows
// are read, and LoadMatchStats takes them from here in row order. A page that
// went out without a cookie that a page before it (in row order) brought is
// asked for again, so that the pass reads what reading the rows one by one would;
// a page refused after a cookie change, whichever row's page brought it, the
// fetcher asks for again itself.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/match_table.h"
#include "web/http_client.h"
#include "web/page_batch.h"

namespace kavero {

// The addresses LoadMatchStats requests for the row, in its order.
std::vector<std::string> PagesOfRow(const MatchRow& row, std::string_view bookmaker_site,
                                    const std::vector<std::string>& team_page_list);

// PagesOfRow for every row of the table, as the rows stand now.
std::vector<std::vector<std::string>> PlanPass(const MatchTable& table,
                                               std::string_view bookmaker_site,
                                               const std::vector<std::string>& team_page_list);

class ReadAhead : public PageSource {
 public:
  static constexpr std::size_t kDefaultWindow = 32;
  // Bodies held for coming rows, at most: a server that sends endless or
  // huge pages costs no more than one page at the size cap.
  static constexpr std::size_t kDefaultByteBudget = std::size_t{64} << 20;

  // `plan` holds the pages of each row of the pass (PlanPass); at most
  // `window` rows are read ahead. The batch must outlive this object.
  ReadAhead(PageBatch& fetcher, std::vector<std::vector<std::string>> plan,
            std::size_t window = kDefaultWindow, std::size_t byte_budget = kDefaultByteBudget);
  ~ReadAhead() override;
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // Starts the pages of rows [row, row + window) and waits until those of
  // `row` are in, calling `process_messages` between short waits. Whatever
  // `process_messages` throws passes through.
  void WaitForRow(std::size_t row, const std::function<void()>& process_messages);

  // A page of the plan as fetched ahead, dropped once no later row needs it;
  // any other address is fetched now.
  FetchResult Get(const std::string& address) override;

  // Pages started and not yet served to every row that needs them: the most
  // bodies held at once.
  std::size_t PagesHeld() const;
  // Body bytes held: fetched pages not yet served and transfers under way.
  std::size_t BytesHeld() const;

 private:
  struct Page {
    int uses = 0;  // requests of the plan not yet served
    bool started = false;
    std::optional<FetchResult> result;
    CookieStamp cookies;
  };

  // Whether the page went out before the cookies of generation `required`,
  // which the pages served before it brought: it must be fetched again.
  static bool Stale(const Page& page, int required) { return page.cookies.sent < required; }
  // Moves the fetcher's finished result of the page over.
  void TakeResult(const std::string& address, Page& page);
  // Fetches the page now, waiting without the window's turn.
  void FetchNow(const std::string& address, Page& page);
  void StartWindow(std::size_t row);
  // Gives back pages of rows after `row`, the farthest first, until what is
  // held fits the budget; they are fetched anew when their rows come.
  void ShedAhead(std::size_t row);
  // Takes over the finished pages of the row; tells whether all are in.
  bool RowReady(std::size_t row);

  PageBatch& fetcher_;
  std::vector<std::vector<std::string>> plan_;
  std::size_t window_;
  std::size_t byte_budget_;
  std::size_t next_row_to_start_ = 0;
  std::unordered_map<std::string, Page> pages_;
  // The newest cookie generation brought by a page served so far.
  int cookies_served_ = 0;
};

}  // namespace kavero
