#pragma once
// The saved files a save replaced, kept so that no save is lost.
#include <cstddef>
#include <string>
#include <string_view>

namespace kavero {

inline constexpr std::size_t kPreviousSavesKept = 20;

// Before the file at `path` is replaced by `contents`: when it holds other
// rows, copies it to `folder`/saves-<now>.txt and removes all but the newest
// kPreviousSavesKept copies there. Throws std::runtime_error when the copy
// cannot be written, so the file is not replaced without it.
void KeepPreviousSave(const std::string& path, std::string_view contents, const std::string& folder,
                      const std::string& now);

}  // namespace kavero
