#include "support/GeneratedData.h"

#include "PictureCatalogue.h"
#include "core/FileLoader.h"
#include "core/SettingsManager.h"
#include "gfx/SpriteManager.h"

#include <filesystem>
#include <fstream>
#include <iterator>

GeneratedData::GeneratedData(const ScratchFolder& folder) {
    std::filesystem::create_directories(folder.Path() / "data");
    std::filesystem::create_symlink(QUAGLEAPER_RUN_CONTAINER,
                                    folder.Path() / "data" / "Quagleaper.dat");
    FileLoader& files = Singleton<FileLoader>::Instance();
    files.ReadDirectory();
    Singleton<SettingsManager>::Instance().LoadSettings(files.GetBasePath() + "config.txt");
    for (const SpriteInfo& info : PictureCatalogue::StillPictures())
        Singleton<SpriteManager>::Instance().SetSpriteInfo(info);
}

std::string GeneratedData::LooseFolder() {
    return QUAGLEAPER_GENERATED_DATA;
}

std::string GeneratedData::ReadLoose(const std::string& fileName) {
    std::ifstream in(LooseFolder() + "/" + fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
