#include <cmath>

#include <sqlite3.h>

#include "history/day_text.h"
#include "history/history_store.h"

namespace kavero::history {
namespace {

// What one run saw of one match; a new sighting is kept only when it differs
// from the match's latest.
struct Seen {
  std::string total, under, over;
  std::optional<double> step1, step2;
  std::optional<double> chance_under, chance_over, fair_under, fair_over, edge_under, edge_over;
  std::int64_t marks = 0;
};

// A run keeps the indicators as read and shows them uncoloured; "Go Total
// All" or a click rounds them to two decimals and colours them by the same
// values. So equal to two decimals is the same assessment, whose colours,
// once given, hold until the values change.
bool SameStep(std::optional<double> a, std::optional<double> b) {
  if (!a || !b) return a.has_value() == b.has_value();
  return std::lround(*a * 100) == std::lround(*b * 100);
}

bool SameSteps(const Seen& a, const Seen& b) {
  return SameStep(a.step1, b.step1) && SameStep(a.step2, b.step2);
}

void KeepColoursOf(const Seen& latest, Seen& seen) {
  if ((seen.marks & kStepMarks) == 0 && seen.step1 && SameSteps(latest, seen)) {
    seen.marks |= latest.marks & kStepMarks;
  }
}

bool SameSighting(const Seen& a, const Seen& b) {
  return a.total == b.total && a.under == b.under && a.over == b.over && SameSteps(a, b) &&
         a.chance_under == b.chance_under && a.chance_over == b.chance_over &&
         a.fair_under == b.fair_under && a.fair_over == b.fair_over &&
         a.edge_under == b.edge_under && a.edge_over == b.edge_over && a.marks == b.marks;
}

Seen SeenOf(const MatchRow& row) {
  Seen seen;
  seen.total = row.total;
  seen.under = row.under;
  seen.over = row.over;
  if (row.steps_read) {
    seen.step1 = row.step1;
    seen.step2 = row.step2;
  }
  if (row.goals_model) {
    const GoalsModel& model = *row.goals_model;
    seen.chance_under = model.under.win;
    seen.chance_over = model.over.win;
    seen.fair_under = model.under.fair;
    seen.fair_over = model.over.fair;
    seen.edge_under = model.under.edge;
    seen.edge_over = model.over.edge;
  }
  seen.marks = RowMarks(row);
  return seen;
}

constexpr std::string_view kSeenColumns =
    "total, under, over, step1, step2, chance_under, chance_over, fair_under, fair_over, "
    "edge_under, edge_over, marks";

void BindSeen(Statement& statement, int first, const Seen& seen) {
  statement.Bind(first, seen.total).Bind(first + 1, seen.under).Bind(first + 2, seen.over);
  statement.Bind(first + 3, seen.step1).Bind(first + 4, seen.step2);
  statement.Bind(first + 5, seen.chance_under).Bind(first + 6, seen.chance_over);
  statement.Bind(first + 7, seen.fair_under).Bind(first + 8, seen.fair_over);
  statement.Bind(first + 9, seen.edge_under).Bind(first + 10, seen.edge_over);
  statement.Bind(first + 11, seen.marks);
}

Seen ReadSeen(const Statement& statement, int first) {
  return {statement.Bytes(first),    statement.Bytes(first + 1), statement.Bytes(first + 2),
          statement.Real(first + 3), statement.Real(first + 4),  statement.Real(first + 5),
          statement.Real(first + 6), statement.Real(first + 7),  statement.Real(first + 8),
          statement.Real(first + 9), statement.Real(first + 10), statement.Int(first + 11)};
}

// The statements of one run, prepared once for its 300 rows.
class RunWriter {
 public:
  RunWriter(Connection& db, std::int64_t run)
      : run_(run),
        team_(db.handle(),
              "INSERT INTO teams(line_name) VALUES(?1) ON CONFLICT(line_name) "
              "DO UPDATE SET line_name = excluded.line_name RETURNING id"),
        spelling_(db.handle(), "INSERT OR IGNORE INTO team_names(name, team) VALUES(?1, ?2)"),
        match_(db.handle(),
               "INSERT INTO matches(day, kickoff, home, away, link, championship, date_text) "
               "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7) ON CONFLICT(day, home, away, link) DO UPDATE "
               "SET kickoff = excluded.kickoff, championship = excluded.championship RETURNING id"),
        latest_(db.handle(), "SELECT id, " + std::string(kSeenColumns) +
                                 " FROM sightings WHERE match = ?1 ORDER BY id DESC LIMIT 1"),
        extend_(db.handle(), "UPDATE sightings SET last_run = ?2 WHERE id = ?1"),
        add_(db.handle(), "INSERT INTO sightings(match, first_run, last_run, " +
                              std::string(kSeenColumns) +
                              ") VALUES(?1, ?2, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, "
                              "?13, ?14)") {}

  // SQLITE_DONE, or the first error.
  int Write(const MatchRow& row, std::string_view day, const LineNames& line) {
    std::int64_t teams[2] = {0, 0};
    const std::string_view line_names[2] = {line.home.empty() ? row.home : line.home,
                                            line.away.empty() ? row.away : line.away};
    const std::string_view shown[2] = {row.home, row.away};
    for (int side = 0; side < 2; ++side) {
      if (int code = ReturnedId(team_.Bind(1, line_names[side]), teams[side]); code != SQLITE_DONE)
        return code;
      for (auto name : {line_names[side], shown[side]}) {
        spelling_.Bind(1, name).Bind(2, teams[side]);
        const int code = spelling_.Step();
        spelling_.Reset();
        if (code != SQLITE_DONE) return code;
      }
    }
    std::int64_t match = 0;
    match_.BindText(1, day).Bind(2, row.time).Bind(3, teams[0]).Bind(4, teams[1]);
    match_.Bind(5, row.url).Bind(6, row.championship).Bind(7, row.date);
    if (int code = ReturnedId(match_, match); code != SQLITE_DONE) return code;
    return Sight(match, SeenOf(row));
  }

 private:
  static int ReturnedId(Statement& statement, std::int64_t& id) {
    int code = statement.Step();
    if (code == SQLITE_ROW) {
      id = statement.Int(0);
      code = statement.Step();
    }
    statement.Reset();
    return code;
  }

  int Sight(std::int64_t match, Seen seen) {
    latest_.Bind(1, match);
    int code = latest_.Step();
    bool unchanged = false;
    if (code == SQLITE_ROW) {
      const Seen latest = ReadSeen(latest_, 1);
      KeepColoursOf(latest, seen);
      unchanged = SameSighting(latest, seen);
    }
    const std::int64_t latest = code == SQLITE_ROW ? latest_.Int(0) : 0;
    latest_.Reset();
    if (code != SQLITE_ROW && code != SQLITE_DONE) return code;
    if (unchanged) {
      extend_.Bind(1, latest).Bind(2, run_);
      code = extend_.Step();
      extend_.Reset();
      return code;
    }
    add_.Bind(1, match).Bind(2, run_);
    BindSeen(add_, 3, seen);
    code = add_.Step();
    add_.Reset();
    return code;
  }

  std::int64_t run_;
  Statement team_, spelling_, match_, latest_, extend_, add_;
};

bool IsGreen(CellColour colour) {
  return colour == CellColour::kGreen;
}
bool IsRed(CellColour colour) {
  return colour == CellColour::kRed;
}

}  // namespace

int RowMarks(const MatchRow& row) {
  int marks = 0;
  if (IsGreen(row.step1_colour)) marks |= kStep1Green;
  if (IsRed(row.step1_colour)) marks |= kStep1Red;
  if (IsGreen(row.step2_colour)) marks |= kStep2Green;
  if (IsRed(row.step2_colour)) marks |= kStep2Red;
  if (row.goals_model) {
    if (row.goals_model->under.edge >= kMarkedEdge) marks |= kValueUnder;
    if (row.goals_model->over.edge >= kMarkedEdge) marks |= kValueOver;
  }
  return marks;
}

Status HistoryStore::SaveRun(const RunRecord& run) {
  if (!db_.IsOpen()) return {Problem::kCannotOpen, "the history file is not open"};
  try {
    // Taking the write lock at once lets the busy time-out wait for another window's run.
    int code = db_.Execute("BEGIN IMMEDIATE");
    if (code != SQLITE_OK) return Failure(code);
    {
      Statement add_run(db_.handle(),
                        "INSERT INTO runs(started_at, local_stamp, line_address) "
                        "VALUES(?1, ?2, ?3) RETURNING id");
      add_run.Bind(1, run.clock.unix_seconds)
          .BindText(2, Stamp(run.clock.local_date, run.clock.local_minutes))
          .Bind(3, run.line_address);
      code = add_run.Step();
      const std::int64_t run_id = code == SQLITE_ROW ? add_run.Int(0) : 0;
      if (code == SQLITE_ROW) code = add_run.Step();
      if (code == SQLITE_DONE && run.rows != nullptr) {
        RunWriter writer(db_, run_id);
        for (std::size_t i = 0; i < run.rows->size() && code == SQLITE_DONE; ++i) {
          const MatchRow& row = (*run.rows)[i];
          const std::string day = DayKey(row.date, run.date_pattern);
          if (day.empty()) continue;  // a row without a date is never settled
          code =
              writer.Write(row, day, i < run.line_names.size() ? run.line_names[i] : LineNames{});
        }
      }
    }
    if (code == SQLITE_DONE) code = db_.Execute("COMMIT");
    if (code != SQLITE_OK) {
      Status failure = Failure(code);
      db_.Execute("ROLLBACK");
      return failure;
    }
    return {};
  } catch (...) {
    db_.Execute("ROLLBACK");
    return {Problem::kFailed, "out of memory"};
  }
}

}  // namespace kavero::history
