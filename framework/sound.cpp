#include "framework/sound.h"

#include <memory>
#include <utility>
#include <vector>

namespace nk {

namespace {

// One sound buffer per thread: the wave image of the sound started last.
thread_local std::shared_ptr<const std::vector<std::uint8_t>> SoundBuffer;

} // namespace

void PlayResourceSound(HostServices& host, std::int16_t resource) {
    auto image = host.LoadResData(resource);
    if (!image) return;
    // The previous image is let go only after the new sound has started, which stops the
    // sound that read from it; the player shares ownership of what it plays as well.
    const auto previous = std::exchange(SoundBuffer, std::move(image));
    host.PlayWaveImage(SoundBuffer, resource);
}

void SoundStep(Host& host, VBool useSound, std::int32_t soundMethod, NKSoundType type) {
    if (useSound == kFalse) return;
    if (soundMethod != NKInternalSound) {
        std::int32_t soundType = type;
        const EventArg args[] = {&soundType};
        host.RaiseEvent(kPlaySoundEvent, args);
        return;
    }
    PlayResourceSound(host, type == Gettingpushed ? kPressSound : kReleaseSound);
}

} // namespace nk
