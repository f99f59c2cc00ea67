#pragma once
// Where the program and the demo site keep their files: beside the executable
// when that folder takes files (a build folder, an unpacked copy), otherwise
// (an installed /usr/bin) in the user's data folder.
#include <filesystem>

namespace kavero {

// True when a file can be created in the folder: tried for real, since
// permission bits say nothing to root and nothing about a read-only mount.
bool FolderTakesFiles(const std::filesystem::path& folder);

// The user's data folder for KAVERO: $XDG_DATA_HOME/kavero, by default (and
// when that is not an absolute path) ~/.local/share/kavero.
std::filesystem::path UserDataFolder();

// `preferred`, made first when missing, if it then takes files; else
// `fallback`, made too (whoever writes there meets any error).
std::filesystem::path FolderForFiles(const std::filesystem::path& preferred,
                                     const std::filesystem::path& fallback);

}  // namespace kavero
