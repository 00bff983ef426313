#include "core/PlayerMessage.h"

std::string PlayerMessage::NoDisplay() {
    return "Quagleaper found no display to open its window on. Start it inside a desktop "
           "session (DISPLAY or WAYLAND_DISPLAY must be set).";
}

std::string PlayerMessage::LogNotWritable(const std::string& file) {
    return "Quagleaper cannot write its log " + file +
           " in the folder it runs in. Start it from a folder you may write to.";
}

std::string PlayerMessage::DataMissing(const std::string& folder) {
    return "Quagleaper cannot find its data folder " + folder +
           ". Start it from the folder that holds data/, or name that folder with --data DIR.";
}
