#include "RoadRiverStrips.h"

#include "ContactSheet.h"
#include "DataFolder.h"
#include "Paint.h"
#include "app/AssetCatalogue.h"
#include "core/StringUtil.h"
#include "gfx/SpriteLabel.h"

namespace RoadRiverStrips {
namespace {

bool HardEdged(const std::string& label) {
    const std::optional<SpriteInfo> info = AssetCatalogue::Definition(label);
    return info && info->type == SpriteTypeAnimatedRle;
}

// Cropping cuts each frame to what is drawn and a centred draw centres the cut box, so a dot in
// two corners keeps every frame whole and the object where it is. A colour-keyed frame needs an
// opaque dot: one pixel of the ground it swims or drives on.
void KeepWhole(cairo_t* cr, const Strip& strip, bool hard) {
    Paint::Colour(cr, strip.ground, hard ? 1.0 : 2.0 / 255);
    cairo_rectangle(cr, 0, 0, 1, 1);
    cairo_rectangle(cr, strip.width - 1, strip.height - 1, 1, 1);
    cairo_fill(cr);
}

} // namespace

int FrameCount(const std::string& label) {
    const std::optional<SpriteInfo> info = AssetCatalogue::Definition(label);
    return info ? info->numFrames : 1;
}

std::unique_ptr<Canvas> Draw(const Strip& strip) {
    const int count = FrameCount(strip.label);
    const bool hard = HardEdged(strip.label);
    auto drawn = std::make_unique<Canvas>(strip.width, strip.height * count);
    cairo_t* cr = drawn->Context();
    for (int index = 0; index < count; ++index) {
        cairo_save(cr);
        cairo_translate(cr, 0, index * strip.height);
        cairo_rectangle(cr, 0, 0, strip.width, strip.height);
        cairo_clip(cr);
        KeepWhole(cr, strip, hard);
        cairo_save(cr);
        const double t = count > 1 ? static_cast<double>(index) / (count - 1) : 0.0;
        strip.draw(cr, {index, t, static_cast<double>(index) / count});
        cairo_restore(cr);
        cairo_restore(cr);
    }
    return drawn;
}

std::unique_ptr<Canvas> FrameOf(const Canvas& drawn, const Strip& strip, int index) {
    auto frame = std::make_unique<Canvas>(strip.width, strip.height);
    cairo_set_source_surface(frame->Context(), drawn.Surface(), 0, -index * strip.height);
    cairo_paint(frame->Context());
    return frame;
}

bool WriteAll(const std::vector<Strip>& strips, const std::string& outDir, ContactSheet* sheet) {
    DataFolder folder(outDir, nullptr);
    for (const Strip& strip : strips) {
        const std::unique_ptr<Canvas> drawn = Draw(strip);
        if (!folder.WritePicture(strip.label, *drawn))
            return false;
        for (int index = 0; sheet && index < FrameCount(strip.label); ++index)
            sheet->Add(StringUtil::Format("%s %d", strip.label, index),
                       *FrameOf(*drawn, strip, index));
    }
    return true;
}

std::string IntervalLines(const std::vector<Strip>& strips) {
    std::string text;
    for (const Strip& strip : strips)
        text += NormalizeLabel(strip.label) + "Interval " +
                StringUtil::Format("%.2f", strip.interval) + "\n";
    return text;
}

void Line(std::string& text, const std::string& key, int value) {
    text += key + " " + std::to_string(value) + "\n";
}

} // namespace RoadRiverStrips
