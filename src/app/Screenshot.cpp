#include "app/Screenshot.h"

#include "core/Log.h"
#include "core/StringUtil.h"
#include "core/Translation.h"
#include "gfx/DirectDraw.h"
#include "gfx/PngWriter.h"
#include "platform/DisplaySurface.h"
#include "score/ScreenMessage.h"

#include <cstdlib>
#include <filesystem>

namespace {

// Two presses within one second must not overwrite each other.
constexpr int kMaxNamesPerSecond = 100;

// `variable`'s value when it is an absolute path, else empty.
std::string AbsoluteFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    return value && value[0] == '/' ? value : "";
}

bool MadeFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return !error && std::filesystem::is_directory(folder, error);
}

} // namespace

std::string Screenshot::Folder() {
    const std::string pictures = AbsoluteFromEnvironment("XDG_PICTURES_DIR");
    if (!pictures.empty() && MadeFolder(pictures + "/Quagleaper"))
        return pictures + "/Quagleaper";
    const std::string home = AbsoluteFromEnvironment("HOME");
    if (!home.empty() && MadeFolder(home + "/Pictures/Quagleaper"))
        return home + "/Pictures/Quagleaper";
    return ".";
}

std::string Screenshot::Save(const platform::DisplaySurface& frame, const std::string& folder,
                             const std::tm& when) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H-%M-%S", &when);
    std::string path = folder + "/quagleaper-" + stamp + ".png";
    std::error_code error;
    for (int n = 2; std::filesystem::exists(path, error) && n <= kMaxNamesPerSecond; ++n)
        path = StringUtil::Format("%s/quagleaper-%s-%d.png", folder.c_str(), stamp, n);
    if (std::filesystem::exists(path, error) ||
        !PngWriter::Write(path, frame.width(), frame.height(), frame.toXrgb())) {
        Log("Screenshot: could not save %s\n", path.c_str());
        return "";
    }
    Log("Screenshot saved as %s\n", path.c_str());
    return path;
}

void Screenshot::Take() {
    ScreenMessage& message = Singleton<ScreenMessage>::Instance();
    const platform::DisplaySurface* frame = Singleton<DirectDraw>::Instance().GetPrimary();
    const std::time_t now = std::time(nullptr);
    std::tm when{};
    const std::string path = frame && localtime_r(&now, &when) ? Save(*frame, Folder(), when) : "";
    if (path.empty()) {
        if (!frame)
            Log("Screenshot: nothing has been shown yet\n");
        message.showMessage(Tr("Screenshot failed!"), Tr("see debug.txt"));
        return;
    }
    message.showMessage(Tr("Screenshot saved"), std::filesystem::path(path).filename().string());
}
