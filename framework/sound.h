// Sound options of the push-button controls, the sound step they run at a press and
// a release, and PlayResourceSound, which plays a built-in wave sound.
#pragma once

#include "framework/host.h"

#include <cstdint>

namespace nk {

enum NKSoundMethod : std::int32_t { NKInternalSound = 0, NKUseSoundEvent = 1 };
enum NKSoundType : std::int32_t { Gettingpushed = 0, GettingReleased = 1 };

inline constexpr int kPlaySoundEvent = 9; // the PlaySound event of every push-button control
inline constexpr std::int16_t kPressSound = 401;
inline constexpr std::int16_t kReleaseSound = 402;

// Plays built-in sound `resource` in the background. The image is kept in this thread's
// sound buffer, which the player holds on to until the sound has been stopped.
void PlayResourceSound(HostServices& host, std::int16_t resource);

// The sound step: nothing when useSound is false; the PlaySound event for any non-zero
// soundMethod; the built-in press (401) or release (402) sound for 0.
void SoundStep(Host& host, VBool useSound, std::int32_t soundMethod, NKSoundType type);

} // namespace nk
