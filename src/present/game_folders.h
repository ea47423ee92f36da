// Where the game reads its content and writes its settings and saves, when
// the command line does not say.
//
// A build runs from its program folder with the content beside the binary,
// and keeps its files there as long as the folder is writable. An installed
// game has its content in a share folder beside bin/ and, writable or not,
// keeps the player's files in the user's data folder: a game that writes into
// /usr/share when run as root would mix one player's saves into everyone's
// installation.
#pragma once

#include <string>

struct GameFolders {
  std::string data;  // content is read from here
  std::string save;  // settings, save slots and dumps go here
  bool installed = false;
};

// The content folder for a binary in `exeFolder`: the folder itself when the
// content lies beside it, else `shareFromBin` (relative to it) when that holds
// the content, else the folder itself (the game then names what is missing).
std::string ContentFolderFor(const std::string& exeFolder, const std::string& shareFromBin,
                             bool* installed);

// $XDG_DATA_HOME/boingle, or ~/.local/share/boingle when the variable is unset,
// empty or relative (a relative value is invalid by the XDG rules).
std::string UserDataFolder();

// Both folders for a run; `dataDir` and `saveDir` are the command line's
// --data and --save-dir (empty when not given). The save folder is created
// when it is the user's data folder.
GameFolders ChooseGameFolders(const std::string& exeFolder, const std::string& dataDir,
                              const std::string& saveDir);
