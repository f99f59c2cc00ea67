#pragma once
// Replacing a file whole without ever leaving it half written.
#include <string>
#include <string_view>

namespace kavero {

// Writes `contents` (bytes as they are) to a new file beside `path`, then renames
// it over `path` (over the file a link points at, for a link). A folder that
// takes no new file gets the file rewritten in place instead. A file that
// cannot be opened for writing, or has no write permission bit at all, is left
// as it is; a replaced file keeps its permission bits. Throws
// std::runtime_error 'Cannot create file "<path>". <system error text>' when
// that fails.
void ReplaceFile(const std::string& path, std::string_view contents);

}  // namespace kavero
