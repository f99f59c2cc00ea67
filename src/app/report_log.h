#pragma once
// The run report kept on disk, one line per page, for reading after the fact.
#include <QStringList>
#include <string>

namespace kavero::app {

// Writes `lines` with the time in front of each: a new run starts the file
// afresh, later actions add to it. The folder is made when missing; a file
// that cannot be written is passed over.
void WriteReportLog(const std::string& path, const QStringList& lines, bool new_run);

// The log's place in the user's application-data folder.
std::string DefaultReportLogPath();

}  // namespace kavero::app
