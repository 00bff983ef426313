#pragma once

#include "core/FileLoader.h"
#include "core/SettingsManager.h"
#include "support/ScratchFolder.h"

#include <string>

// Loads `lines` as the game's configuration from the scratch folder's data folder.
inline void LoadWorldConfig(const ScratchFolder& folder, const std::string& lines) {
    folder.Write("data/config.txt", lines);
    Singleton<SettingsManager>::Instance().LoadSettings(
        Singleton<FileLoader>::Instance().GetBasePath() + "config.txt");
}
