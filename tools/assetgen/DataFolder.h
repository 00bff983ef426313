#pragma once

#include "Canvas.h"
#include "core/Language.h"

#include <string>

class ContactSheet;

// The loose data folder being written: pictures under their labels' file names, as the game's
// loaders look them up, and text files.
class DataFolder {
  public:
    // `sheet` (may be null) gets a thumbnail of every picture written.
    DataFolder(std::string root, ContactSheet* sheet);

    // A still picture of the catalogue, written as its sprite type needs: types 0 and 2 as a
    // 24-bit BMP with an "Alpha" map where edges are soft, types 1 and 3 with hard edges. A
    // worded picture in a language other than German goes under that language's file name.
    bool WritePicture(const std::string& label, const Canvas& canvas,
                      Language language = Language::German);
    // A hard-edged picture outside the catalogue (the game builds it itself).
    bool WriteHardBmp(const std::string& label, const Canvas& canvas);
    // An opaque picture as JPEG; `label` is normalised into the file name.
    bool WriteJpeg(const std::string& label, const Canvas& canvas, int quality);
    bool WriteText(const std::string& fileName, const std::string& text) const;

    const std::string& Root() const { return root; }
    // Path of a file in the folder.
    std::string PathOf(const std::string& fileName) const;

  private:
    bool WriteHard(const std::string& fileBase, const std::string& label, const Canvas& canvas);
    bool Note(bool written, const std::string& label, const Canvas& canvas);

    std::string root;
    ContactSheet* sheet;
};
