#pragma once
// Where the demo publisher keeps published tables when no --storage is given.
#include <filesystem>

namespace kavero::demo {

// "kavero-demo-published" beside the executable where that folder can be made
// and written (a build folder); else "kavero/demo-published" in `data_folder`,
// as for a program installed in /usr/bin.
std::filesystem::path DefaultStorage(const std::filesystem::path& executable_folder,
                                     const std::filesystem::path& data_folder);

// The user's data folder: $XDG_DATA_HOME, else ~/.local/share.
std::filesystem::path UserDataFolder();

}  // namespace kavero::demo
