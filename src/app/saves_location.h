#pragma once
// Where "saves.txt" goes: beside the executable when its folder takes new
// files (a build folder, an unpacked copy), otherwise (an installed
// /usr/bin) in the user's data folder.
#include <QString>
#include <functional>

namespace kavero::app {

// True when a file can be created in the folder: tried for real, since
// permission bits say nothing to root and nothing about a read-only mount.
bool FolderTakesFiles(const QString& folder);

// The full path of "saves.txt": in program_folder when folder_takes_files says
// so, else in data_folder, which is created then.
QString SavesPath(const QString& program_folder, const QString& data_folder,
                  const std::function<bool(const QString&)>& folder_takes_files = FolderTakesFiles);

// The user's data folder for KAVERO: $XDG_DATA_HOME/kavero, by default
// ~/.local/share/kavero.
QString UserDataFolder();

}  // namespace kavero::app
