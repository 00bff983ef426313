#pragma once

#include "Canvas.h"

#include <memory>
#include <string>
#include <vector>

// Every picture the generator made, small and labelled on one page, over a checkerboard so
// that transparent parts show.
class ContactSheet {
  public:
    void Add(const std::string& label, const Canvas& picture);
    bool Write(const std::string& pngPath) const;

  private:
    struct Entry {
        std::string label;
        int width = 0;
        int height = 0;
        std::unique_ptr<Canvas> thumbnail;
    };
    std::vector<Entry> entries;
};
