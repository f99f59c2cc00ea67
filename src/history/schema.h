#pragma once
// The history file's tables, versioned by PRAGMA user_version.
#include "history/sqlite_db.h"

namespace kavero::history {

// 1: runs, teams and their name spellings, matches and their sightings.
// 2: the final scores that pages report, with where they came from.
inline constexpr int kSchemaVersion = 2;

// The file's version: 0 for a new file, nothing when it cannot be read (not a
// database, or damaged).
std::optional<int> SchemaVersion(Connection& db);

// Brings a file of an older version up to `target`, one step per version, each
// in its own transaction. SQLITE_OK or the failing step's code.
int MigrateTo(Connection& db, int target);

}  // namespace kavero::history
