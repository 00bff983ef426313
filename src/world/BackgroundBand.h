#pragma once

#include "gfx/SurfaceSprite.h"

#include <memory>

// The screen-sized surface of the scrolling background, used as a ring of rows: only the rows
// that scroll into view are copied in, at the row where the ring currently wraps.
class BackgroundBand : public SurfaceSprite {
  public:
    // `window` is a band of a picture that must outlive this band.
    bool Create(std::unique_ptr<Image> window);

    // The screen now shows the window rows from `topRow` down; rows already in the ring stay.
    void ScrollTo(int topRow);
    // Draws the ring in two parts so that the screen shows the rows in window order.
    void Render(const RenderParams& params) override;
    // A restored surface has lost its rows: fill it again for the current view.
    void Restore() override;

    int GetRingOffset() const { return ringOffset; }

  private:
    void Refill();
    // Copies the window rows shown on screen rows first .. first + count - 1 into the ring.
    void CopyScreenRows(int first, int count);
    void CopyRun(int firstSurfaceRow, int windowRow, int count);

    int topRow = 0;
    // The surface row holding the window row shown on the top screen row.
    int ringOffset = 0;
};
