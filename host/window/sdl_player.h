// The windowed host's sound player: plays wave images through SDL2 audio in the background.
// Starting a sound clears whatever is still queued, so a new sound cuts the one playing
// short; an image that cannot be decoded gives silence, never a default sound. The kit
// decodes the images itself (MS ADPCM and PCM, host/sound/wave.h) and queues 16-bit samples.
//
// A container hands it to the headless host as its player hook:
//     nk::SdlPlayer player;
//     hooks.player = [&player](auto image, int id) { player.Play(std::move(image), id); };
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace nk {

class SdlPlayer {
public:
    struct Options {
        // Start playback after queueing. Off, the samples stay queued and the queue can be
        // inspected (the tests run that way under SDL's dummy audio driver).
        bool start = true;
    };

    SdlPlayer();
    explicit SdlPlayer(Options options);
    ~SdlPlayer();
    SdlPlayer(const SdlPlayer&) = delete;
    SdlPlayer& operator=(const SdlPlayer&) = delete;

    // Stops the sound playing and starts `image` (resource `id`). The image is kept until
    // the next sound replaces it. Without an audio device, or for an image that cannot be
    // decoded, nothing plays; lastError() says why.
    void Play(std::shared_ptr<const std::vector<std::uint8_t>> image, int id);

    bool deviceOpen() const { return device_ != 0; }
    // Bytes of samples waiting in the device's queue (device format: 16-bit, deviceChannels()
    // channels at deviceRate()).
    std::uint32_t QueuedBytes() const;
    int deviceRate() const { return rate_; }
    int deviceChannels() const { return channels_; }
    const std::shared_ptr<const std::vector<std::uint8_t>>& currentImage() const { return image_; }
    int currentId() const { return id_; }
    const std::string& lastError() const { return error_; }

private:
    bool OpenDevice();

    Options options_;
    std::uint32_t device_ = 0;
    bool audioInitialised_ = false;
    int rate_ = 0;
    int channels_ = 0;
    std::shared_ptr<const std::vector<std::uint8_t>> image_;
    int id_ = 0;
    std::string error_;
};

} // namespace nk
