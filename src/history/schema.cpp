#include "history/schema.h"

#include <array>
#include <string>

#include <sqlite3.h>

namespace kavero::history {
namespace {

// Texts from pages are blobs (Windows-1251 bytes); days are "yyyy-mm-dd" and
// run stamps "yyyy-mm-dd hh:mm" in local time, so that they order as text.
constexpr std::string_view kVersion1 = R"(
CREATE TABLE runs(
  id INTEGER PRIMARY KEY,
  started_at INTEGER NOT NULL,
  local_stamp TEXT NOT NULL,
  line_address BLOB NOT NULL);
CREATE TABLE teams(
  id INTEGER PRIMARY KEY,
  line_name BLOB NOT NULL UNIQUE);
CREATE TABLE team_names(
  name BLOB NOT NULL,
  team INTEGER NOT NULL REFERENCES teams(id),
  PRIMARY KEY(name, team)) WITHOUT ROWID;
CREATE TABLE matches(
  id INTEGER PRIMARY KEY,
  day TEXT NOT NULL,
  kickoff BLOB NOT NULL,
  home INTEGER NOT NULL REFERENCES teams(id),
  away INTEGER NOT NULL REFERENCES teams(id),
  link BLOB NOT NULL,
  championship BLOB NOT NULL,
  date_text BLOB NOT NULL,
  UNIQUE(day, home, away, link));
CREATE INDEX matches_by_teams ON matches(day, home, away);
CREATE TABLE sightings(
  id INTEGER PRIMARY KEY,
  match INTEGER NOT NULL REFERENCES matches(id),
  first_run INTEGER NOT NULL REFERENCES runs(id),
  last_run INTEGER NOT NULL REFERENCES runs(id),
  total BLOB NOT NULL,
  under BLOB NOT NULL,
  over BLOB NOT NULL,
  step1 REAL,
  step2 REAL,
  chance_under REAL,
  chance_over REAL,
  fair_under REAL,
  fair_over REAL,
  edge_under REAL,
  edge_over REAL,
  marks INTEGER NOT NULL);
CREATE INDEX sightings_by_match ON sightings(match, id);
)";

constexpr std::string_view kVersion2 = R"(
CREATE TABLE results(
  match INTEGER NOT NULL REFERENCES matches(id),
  home_goals INTEGER NOT NULL,
  away_goals INTEGER NOT NULL,
  source BLOB NOT NULL,
  recorded_at INTEGER NOT NULL,
  UNIQUE(match, home_goals, away_goals));
)";

constexpr std::array<std::string_view, kSchemaVersion> kSteps = {kVersion1, kVersion2};

}  // namespace

std::optional<int> SchemaVersion(Connection& db) {
  const auto version = db.QueryInt("PRAGMA user_version");
  if (!version) return std::nullopt;
  return static_cast<int>(*version);
}

int MigrateTo(Connection& db, int target) {
  for (;;) {
    // Taking the write lock first: another connection may be migrating too.
    if (const int code = db.Execute("BEGIN IMMEDIATE"); code != SQLITE_OK) return code;
    const auto version = SchemaVersion(db);
    if (!version || *version >= target) {
      db.Execute("ROLLBACK");
      return version ? SQLITE_OK : SQLITE_CORRUPT;
    }
    const std::string bump = "PRAGMA user_version = " + std::to_string(*version + 1);
    int code = db.Execute(kSteps[static_cast<std::size_t>(*version)]);
    if (code == SQLITE_OK) code = db.Execute(bump);
    if (code == SQLITE_OK) code = db.Execute("COMMIT");
    if (code != SQLITE_OK) {
      db.Execute("ROLLBACK");
      return code;
    }
  }
}

}  // namespace kavero::history
