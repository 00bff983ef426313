#include "AssetGenerator.h"

#include "ConfigSection.h"
#include "CreditsText.h"
#include "DataFolder.h"
#include "Decorations.h"
#include "FontAtlas.h"
#include "FrogAnimations.h"
#include "Icons.h"
#include "MenuScreens.h"
#include "RoadRiverPictures.h"
#include "WorldGeometry.h"
#include "WorldLayout.h"
#include "WorldPainter.h"
#include "app/AssetCatalogue.h"
#include "app/OptionsScreen.h"
#include "core/ScreenSize.h"
#include "core/StringUtil.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr int kWorldJpegQuality = 90;

using ScreenDrawing = void (*)(Canvas&, Language);

struct Screen {
    const char* label;
    ScreenDrawing draw;
    int width;
    int height;
};

const Screen kScreens[] = {
    {"TITLE_MENU", MenuScreens::TitleMenu, ScreenSize::kWidth, ScreenSize::kHeight},
    {"HELP", MenuScreens::Help, ScreenSize::kWidth, ScreenSize::kHeight},
    {"HIGH_SCORE", MenuScreens::HighScore, ScreenSize::kWidth, ScreenSize::kHeight},
    {"CREDITS", MenuScreens::Credits, ScreenSize::kWidth, ScreenSize::kHeight},
    {"CREDITS_MASK", MenuScreens::CreditsMask, ScreenSize::kWidth, ScreenSize::kHeight},
    {"PRELOAD", MenuScreens::Preload, ScreenSize::kWidth, ScreenSize::kHeight},
    {"PROGRESS_BAR", MenuScreens::ProgressBar, MenuScreens::kBarWidth, MenuScreens::kBarHeight},
    {"OPTIONS", MenuScreens::Options, ScreenSize::kWidth, ScreenSize::kHeight},
    {"OPTIONS_ROW_HIGH_LIGHT", MenuScreens::OptionsRowHighlight, OptionsScreen::kRowWidth,
     OptionsScreen::kRowHeight},
};

// Every language the game speaks gets its worded pictures and credits.
constexpr Language kLanguages[] = {Language::German, Language::English};

// German draws every picture; another language only those with words on them.
bool Drawn(const std::string& label, Language language) {
    return language == Language::German || AssetCatalogue::IsWorded(label);
}

struct FontFile {
    const char* label;
    const char* definition;
    FontAtlas::Style style;
};

const FontFile kFonts[] = {
    {"HUD_FONT", "HUDFont.fnt", {24, 0xFFF6D8, 4}},
    {"SCORE_FONT", "ScoreFont.fnt", {15, 0xFFD23A, 3}},
};

std::unique_ptr<Canvas> DrawWorld() {
    auto world =
        std::make_unique<Canvas>(WorldGeometry::kPictureWidth, WorldGeometry::kPictureHeight);
    WorldPainter(*world).Paint();
    return world;
}

std::unique_ptr<Canvas> DrawDecoration(const Decorations::Placement& placement) {
    auto canvas = std::make_unique<Canvas>(placement.width, placement.height);
    Decorations::Draw(placement, *canvas);
    return canvas;
}

// One screen of the world as a level shows it: the window rows from `top`, decorations over it.
bool WriteView(const Canvas& world, int top, const std::string& path) {
    Canvas view(WorldGeometry::kPictureWidth, ScreenSize::kHeight);
    cairo_t* cr = view.Context();
    cairo_set_source_surface(cr, world.Surface(), 0, -top);
    cairo_paint(cr);
    for (const Decorations::Placement& placement : Decorations::All()) {
        const auto decoration = DrawDecoration(placement);
        cairo_set_source_surface(cr, decoration->Surface(), placement.x, placement.top - top);
        cairo_paint(cr);
    }
    view.Flush();
    return cairo_surface_write_to_png(view.Surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace

AssetGenerator::AssetGenerator(std::string outDir, std::string configSource, ContactSheet* sheet)
    : outDir(std::move(outDir)), configSource(std::move(configSource)), sheet(sheet) {}

bool AssetGenerator::WriteAll() const {
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) {
        std::fprintf(stderr, "quagleaper-assetgen: cannot create %s\n", outDir.c_str());
        return false;
    }
    return WriteWorld() && WriteScreens() && FrogAnimations::WriteAll(outDir, sheet) &&
           RoadRiverPictures::WriteAll(outDir, sheet) && WriteFonts() && WriteConfig() &&
           WriteCredits();
}

bool AssetGenerator::WriteWorld() const {
    DataFolder folder(outDir, sheet);
    bool written = folder.WriteJpeg("BACKGROUND_WORLD_00", *DrawWorld(), kWorldJpegQuality);
    for (const Decorations::Placement& placement : Decorations::All())
        written = written && folder.WritePicture(placement.label, *DrawDecoration(placement));
    for (int area = 0; written && area < WorldLayout::kObstacleFiles; ++area)
        written = folder.WriteText(StringUtil::Format("ArbitraryObjects_00_%02d.txt", area),
                                   WorldLayout::ObstacleFile(area));
    return written;
}

bool AssetGenerator::WriteScreens() const {
    DataFolder folder(outDir, sheet);
    for (const Language language : kLanguages) {
        for (const Screen& screen : kScreens) {
            if (!Drawn(screen.label, language))
                continue;
            Canvas canvas(screen.width, screen.height);
            screen.draw(canvas, language);
            if (!folder.WritePicture(screen.label, canvas, language))
                return false;
        }
        for (const std::string& label : Icons::Labels())
            if (Drawn(label, language) &&
                !folder.WritePicture(label, *Icons::Draw(label, language), language))
                return false;
    }
    return folder.WriteHardBmp("APP_ICON", *Icons::ApplicationIcon());
}

bool AssetGenerator::WriteCredits() const {
    const DataFolder folder(outDir, nullptr);
    for (const Language language : kLanguages)
        if (!folder.WriteText(LanguageVariant("credits", language) + ".txt",
                              CreditsText::Latin1(language)))
            return false;
    return true;
}

bool AssetGenerator::WriteFonts() const {
    DataFolder folder(outDir, sheet);
    for (const FontFile& font : kFonts) {
        const FontAtlas atlas(font.style);
        // Hard edges: the credits stretch the font, and stretched sprites have no alpha map.
        if (!folder.WriteHardBmp(font.label, atlas.Picture()) ||
            !folder.WriteText(font.definition, atlas.Definition()))
            return false;
    }
    return true;
}

bool AssetGenerator::WriteConfig() const {
    std::ifstream in(configSource, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "quagleaper-assetgen: cannot read %s\n", configSource.c_str());
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return DataFolder(outDir, nullptr).WriteText("config.txt", text.str() + ConfigSection::Text());
}

bool AssetGenerator::WriteWorldViews(const std::string& folder) {
    using namespace WorldGeometry;
    const auto world = DrawWorld();
    const int levelZero = WindowTop(0, 3) + WindowHeight(3) - ScreenSize::kHeight;
    const int levelFour = WindowTop(4, 3) + WindowHeight(3) - ScreenSize::kHeight;
    const int showdown = WindowTop(kShowdownLevelInWorld, kShowdownAreas);
    return WriteView(*world, levelZero, folder + "/world-level0.png") &&
           WriteView(*world, levelFour, folder + "/world-level4.png") &&
           WriteView(*world, showdown, folder + "/world-showdown.png");
}
