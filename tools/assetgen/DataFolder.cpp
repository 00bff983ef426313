#include "DataFolder.h"

#include "ContactSheet.h"
#include "PictureCatalogue.h"
#include "PictureExport.h"
#include "PictureFiles.h"
#include "gfx/SpriteLabel.h"

#include <cstdio>
#include <fstream>

DataFolder::DataFolder(std::string root, ContactSheet* sheet)
    : root(std::move(root)), sheet(sheet) {}

std::string DataFolder::PathOf(const std::string& fileName) const {
    return root + "/" + fileName;
}

bool DataFolder::WritePicture(const std::string& label, const Canvas& canvas, Language language) {
    const SpriteInfo* info = PictureCatalogue::Find(label);
    if (!info) {
        std::fprintf(stderr, "quagleaper-assetgen: %s is not a still picture of the catalogue\n",
                     label.c_str());
        return false;
    }
    const std::string file = LanguageVariant(info->name, language);
    // The contact sheet names a language's picture apart from the German one.
    const std::string shown = LanguageVariant(label, language);
    if (info->type == SpriteTypeShadow || info->type == SpriteTypeAnimatedRle)
        return WriteHard(file, shown, canvas);
    const std::string base = PathOf(file);
    bool written = PictureFiles::WriteBmp24(base + ".bmp", canvas.Width(), canvas.Height(),
                                            PictureExport::SoftColour(canvas));
    if (written && PictureExport::HasSoftEdges(canvas))
        written = PictureFiles::WriteBmp24(base + "Alpha.bmp", canvas.Width(), canvas.Height(),
                                           PictureExport::AlphaGrey(canvas));
    return Note(written, shown, canvas);
}

bool DataFolder::WriteHardBmp(const std::string& label, const Canvas& canvas) {
    return WriteHard(NormalizeLabel(label), label, canvas);
}

bool DataFolder::WriteHard(const std::string& fileBase, const std::string& label,
                           const Canvas& canvas) {
    const bool written =
        PictureFiles::WriteBmp24(PathOf(fileBase) + ".bmp", canvas.Width(), canvas.Height(),
                                 PictureExport::HardColour(canvas));
    return Note(written, label, canvas);
}

bool DataFolder::WriteJpeg(const std::string& label, const Canvas& canvas, int quality) {
    const bool written =
        PictureFiles::WriteJpeg(PathOf(NormalizeLabel(label)) + ".jpg", canvas.Width(),
                                canvas.Height(), PictureExport::Opaque(canvas), quality);
    return Note(written, label, canvas);
}

bool DataFolder::WriteText(const std::string& fileName, const std::string& text) const {
    std::ofstream out(PathOf(fileName), std::ios::binary);
    out << text;
    const bool written = static_cast<bool>(out);
    if (!written)
        std::fprintf(stderr, "quagleaper-assetgen: cannot write %s\n", PathOf(fileName).c_str());
    return written;
}

bool DataFolder::Note(bool written, const std::string& label, const Canvas& canvas) {
    if (!written)
        std::fprintf(stderr, "quagleaper-assetgen: cannot write the picture %s\n", label.c_str());
    else if (sheet)
        sheet->Add(label, canvas);
    return written;
}
