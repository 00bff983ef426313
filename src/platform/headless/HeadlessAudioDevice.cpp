#include "platform/headless/HeadlessAudioDevice.h"

#include "platform/headless/VirtualTimeline.h"

namespace platform {

HeadlessAudioDevice::HeadlessAudioDevice(VirtualTimeline& timeline)
    : timeline(timeline), mixer(*this) {
    timeline.follow(&mixer);
}

HeadlessAudioDevice::~HeadlessAudioDevice() {
    timeline.follow(nullptr);
}

bool HeadlessAudioDevice::open() {
    isOpen = plugged;
    return isOpen;
}

void HeadlessAudioDevice::close() {
    isOpen = false;
}

AudioResult HeadlessAudioDevice::createBuffer(const AudioFormat& format, int bytes, unsigned caps,
                                              std::unique_ptr<AudioBuffer>& out) {
    if (!isOpen)
        return AudioError::NoDevice;
    return mixer.createBuffer(format, bytes, caps, out);
}

void HeadlessAudioDevice::enter() {
    timeline.catchUp();
}

} // namespace platform
