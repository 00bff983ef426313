#pragma once

#include "sound/PcmDescription.h"

namespace PcmConverter {

// The sound as a device buffer holds it: rates above 22050 Hz halved by dropping every second
// frame, and two channels mixed into one when `mono` is asked for. A sample width other than 8,
// 16 or 32 bits gives no data.
PcmDescription ForDeviceBuffer(const PcmDescription& source, bool mono);

} // namespace PcmConverter
