#include "core/PlayerMessage.h"

#include "core/Translation.h"

namespace {

// The text in the player's language with its one "%s" replaced by `value`. Not through printf:
// the translation comes from a file, and a stray conversion in it must not read arguments
// that are not there.
std::string Fill(const char* english, const std::string& value) {
    std::string text = Singleton<Translation>::Instance().System(english);
    if (const std::size_t at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

} // namespace

std::string PlayerMessage::NoDisplay() {
    return Singleton<Translation>::Instance().System(
        "Quagleaper found no display to open its window on. Start it inside a desktop "
        "session (DISPLAY or WAYLAND_DISPLAY must be set).");
}

std::string PlayerMessage::LogNotWritable(const std::string& file) {
    return Fill("Quagleaper cannot write its log %s in the folder it runs in. Start it from a "
                "folder you may write to.",
                file);
}

std::string PlayerMessage::Stopped(const std::string& reason) {
    return Fill("Quagleaper had to stop: %s The log debug.txt in the folder it runs in tells "
                "more.",
                reason);
}

std::string PlayerMessage::DataMissing(const std::string& folder) {
    return Fill("Quagleaper cannot find its data folder %s. Start it from the folder that holds "
                "data/, or name that folder with --data DIR.",
                folder);
}

std::string PlayerMessage::ReplayRefused(const std::string& reason) {
    return Fill("Quagleaper cannot play this replay: %s", reason);
}
