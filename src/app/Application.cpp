#include "app/Application.h"

#include "app/AssetCatalogue.h"
#include "app/Game.h"
#include "app/ReplayShow.h"
#include "app/WindowLoopDriver.h"
#include "core/ExitCode.h"
#include "core/FileLoader.h"
#include "core/Log.h"
#include "core/PlayerMessage.h"
#include "core/Quit.h"
#include "core/ScreenSize.h"
#include "core/ShowError.h"
#include "core/Translation.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/PictureLoader.h"
#include "platform/Platform.h"
#include "sound/SoundEngine.h"

#include <exception>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace {
constexpr const char* kIconName = "appicon";
constexpr uint32_t kTransparent = 0xFF00FF;
} // namespace

int Application::Run() {
    if (!dataFolder.empty())
        Singleton<FileLoader>::Instance().UseFolder(dataFolder);
    if (!ResetLog()) {
        ReadTexts();
        ShowError(PlayerMessage::LogNotWritable(kLogFileName));
        return ToInt(ExitCode::Aborted);
    }
    if (!dataFolder.empty())
        Log("Reading the data from %s\n", dataFolder.c_str());
    ReadSettings();
    return RunGame();
}

// The player's settings; a language chosen there wins over the one the entry chose.
void Application::ReadSettings() {
    Options& options = Singleton<Game>::Instance().options;
    options.Load(settingsFile);
    options.OverrideFullscreen(fullscreenOverride);
    if (const std::optional<Language> chosen = LanguageFromCode(options.Current().language))
        startLanguage = *chosen;
}

int Application::RunGame() {
    try {
        if (const std::optional<ExitCode> failed = StartUp())
            return ToInt(*failed);
        const int exitCode =
            AssetCatalogue::PreloadAssets(procedure) ? EnterMainLoop() : ExitCodeAfterPreload();
        // A data error that ended the game is told to the player, not only to the log, while
        // the window still stands.
        if (exitCode == ToInt(ExitCode::Fatal) && !FirstFatalError().empty())
            ShowError(PlayerMessage::Stopped(FirstFatalError()));
        ShutDown();
        return exitCode;
    } catch (const std::exception& error) {
        Log("%s\n", error.what());
    } catch (...) {
        Log("Unknown exception caught.\n");
    }
    return ToInt(ExitCode::Fatal);
}

std::optional<ExitCode> Application::StartUp() {
    const std::string dataOnDisk = Singleton<FileLoader>::Instance().DataFolderOnDisk();
    std::error_code error;
    if (!std::filesystem::is_directory(dataOnDisk, error)) {
        ShowError(PlayerMessage::DataMissing(dataOnDisk));
        return ExitCode::Fatal;
    }
    ReadTexts();
    if (!replayFile.empty())
        if (const std::optional<ExitCode> refused = OpenReplay())
            return refused;
    Singleton<Game>::Instance().options.ApplyBeforeStart();
    platform::Window& window = platform::Platform::current().window();
    switch (window.create("Quagleaper", ScreenSize::kWidth, ScreenSize::kHeight)) {
    case platform::Window::Opening::NoDisplay:
        ShowError(PlayerMessage::NoDisplay());
        return ExitCode::Aborted;
    case platform::Window::Opening::Failed:
        return ExitCode::Fatal;
    case platform::Window::Opening::Opened:
        break;
    }
    if (!Singleton<DirectDraw>::Instance().Init(window, ScreenSize::kWidth, ScreenSize::kHeight,
                                                screenDepth, true))
        return ExitCode::Fatal;
    ShowWindowIcon(window);

    const bool soundDeviceOk = Singleton<SoundEngine>::Instance().init(window);
    Game& game = Singleton<Game>::Instance();
    game.soundDeviceOk = soundDeviceOk;
    // A failed Init has posted its own quit request, which ends the main loop at once.
    game.Init();
    game.FadeToState(GameState::Startup);
    return std::nullopt;
}

int Application::EnterMainLoop() {
    Singleton<Game>::Instance().FadeToState(GameState::TitleMenu);
    return RunMainLoop();
}

// The command line's replay, read and compared with the data before a window opens for it.
std::optional<ExitCode> Application::OpenReplay() {
    std::string why;
    ExitCode refusal = ExitCode::Usage;
    replay = ReplayShow::Open(replayFile, why, refusal);
    if (replay)
        return std::nullopt;
    ShowError(PlayerMessage::ReplayRefused(replayFile + ": " + why + "."));
    return refusal;
}

// The player's texts come from the data, so the container is read before anything that may
// have to tell the player something. A missing data folder cannot be told in any language but
// the source texts' English: the catalogue lives in that folder.
void Application::ReadTexts() const {
    // Without a readable container the loader serves loose files.
    Singleton<FileLoader>::Instance().ReadDirectory();
    Singleton<Translation>::Instance().Load(startLanguage);
}

// A preload that stopped left its quit request queued; without one the preload itself failed.
int Application::ExitCodeAfterPreload() {
    platform::Message message;
    while (platform::Platform::current().window().peekMessage(message))
        if (message.type == platform::Message::Type::Quit)
            return message.value;
    return ToInt(ExitCode::Fatal);
}

// The frog on the window's title bar and task bar; magenta is the picture's transparent colour.
void Application::ShowWindowIcon(platform::Window& window) {
    const FileLoader& files = Singleton<FileLoader>::Instance();
    if (!files.Exists(kIconName, ".bmp"))
        return;
    const std::unique_ptr<Image> picture =
        Singleton<PictureLoader>::Instance().Load(kIconName, false);
    if (!picture || picture->GetDepth() != 24) {
        Log("The window icon %s is not a 24-bit picture.\n", kIconName);
        return;
    }
    std::vector<uint32_t> pixels;
    const uint8_t* bgr = picture->GetData();
    for (int i = 0; i < picture->GetWidth() * picture->GetHeight(); ++i, bgr += 3) {
        const uint32_t rgb = uint32_t{bgr[2]} << 16 | uint32_t{bgr[1]} << 8 | bgr[0];
        pixels.push_back(rgb == kTransparent ? 0u : 0xFF000000u | rgb);
    }
    window.setIcon(picture->GetWidth(), picture->GetHeight(), pixels);
}

// A replay from the command line starts from the title, as its player did.
int Application::RunMainLoop() {
    WindowLoopDriver windowDriver(procedure);
    LoopDriver& pace = driver ? *driver : static_cast<LoopDriver&>(windowDriver);
    ReplayShow show(pace, procedure, !driver);
    if (replay)
        show.Play(*std::exchange(replay, std::nullopt), ReplayShow::Kind::File,
                  ReplayShow::PlayerOfTableReplay(replayFile));
    Game& game = Singleton<Game>::Instance();

    int exitCode = 0;
    bool finished = false;
    while (!finished) {
        show.AwaitTurn();
        // A replay's window while one plays.
        platform::Window& window = platform::Platform::current().window();
        platform::Message message;
        while (window.peekMessage(message)) {
            if (message.type == platform::Message::Type::Quit) {
                // Kept as written: logs and their readers rely on this exact line.
                Log("Received WM_QUI.\n");
                exitCode = message.value;
                finished = true;
                break;
            }
            procedure.Handle(message);
        }
        // The turn that saw the quit request still runs its frame.
        game.Tick(procedure.HasFocus());
        show.TurnDone();
    }
    return exitCode;
}

void Application::ShutDown() {
    Log("Exiting game.\n");
    Singleton<Game>::Instance().Shutdown();
    Log("Shutting down SoundEngine.\n");
    Singleton<SoundEngine>::Instance().shutdown();
    Log("Shutting down FileLoader.\n");
    Singleton<FileLoader>::Instance().CloseContainer();
    Log("Shutting down DirectDraw.\n");
    Singleton<DirectDraw>::Instance().Shutdown();
    Log("Exiting.\n");
}
