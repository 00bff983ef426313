#pragma once

#include <filesystem>
#include <string>

// A fresh temporary folder that becomes the working directory for one test, as the game's
// working directory holds data/, debug.txt and HighScore.txt.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }

    // Writes `bytes` to the relative `name`, creating its folders.
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

  private:
    std::filesystem::path previous;
    std::filesystem::path path;
};
