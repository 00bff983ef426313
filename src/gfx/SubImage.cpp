#include "gfx/SubImage.h"

#include "core/Log.h"

SubImage::SubImage(Image& viewed, int bandX, int bandY, int bandWidth, int bandHeight)
    : Image(bandWidth, bandHeight, viewed.GetDepth(), viewed.GetFormat()), offsetX(bandX),
      offsetY(bandY), parent(&viewed) {}

std::unique_ptr<SubImage> SubImage::Of(Image& parent, int offsetX, int offsetY, int width,
                                       int height) {
    const bool inside = offsetX >= 0 && offsetY >= 0 && width >= 0 && height >= 0 &&
                        offsetX <= parent.GetWidth() - width &&
                        offsetY <= parent.GetHeight() - height;
    if (!inside || parent.IsRle() || parent.GetDepth() < 8) {
        Log("SubImage::Of: no band %d x %d at (%d, %d) in a %d x %d image of %d bits\n", width,
            height, offsetX, offsetY, parent.GetWidth(), parent.GetHeight(), parent.GetDepth());
        return nullptr;
    }
    // With the band's own row length its bytes still end inside the parent, as width <= parent's
    // width.
    return std::unique_ptr<SubImage>(new SubImage(parent, offsetX, offsetY, width, height));
}

std::uint8_t* SubImage::GetData() {
    return IsRle() ? Image::GetData() : parent->GetData() + FirstByte();
}

const std::uint8_t* SubImage::GetData() const {
    return IsRle() ? Image::GetData() : parent->GetData() + FirstByte();
}

std::uint8_t* SubImage::GetPalette() {
    return parent->GetPalette();
}

const std::uint8_t* SubImage::GetPalette() const {
    return parent->GetPalette();
}

std::size_t SubImage::FirstByte() const {
    const std::size_t firstPixel =
        static_cast<std::size_t>(offsetX) +
        static_cast<std::size_t>(offsetY) * static_cast<std::size_t>(GetWidth());
    return firstPixel * static_cast<std::size_t>(BytesPerPixel());
}
