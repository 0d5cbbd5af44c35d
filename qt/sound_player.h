// The Qt widgets' sound player: plays the controls' wave images through Qt Multimedia's audio
// output when the kit is built with it, and is silent otherwise. As with every player of the
// kit, a new sound stops the one playing, and an image that cannot be decoded gives silence.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace nk::qt {

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Stops the sound playing and starts `image` (resource `id`).
    void Play(std::shared_ptr<const std::vector<std::uint8_t>> image, int id);

    // Whether sounds reach an audio output (false when built without Qt Multimedia).
    static bool audible();
    int currentId() const { return id_; }
    // Why the last image did not play; empty when it did (or was only silenced).
    const std::string& lastError() const { return error_; }

private:
    struct Output;
    std::unique_ptr<Output> output_;
    int id_ = 0;
    std::string error_;
};

// The one player of the process's widgets.
SoundPlayer& Sounds();

} // namespace nk::qt
