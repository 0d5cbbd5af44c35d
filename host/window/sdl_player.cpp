#include "host/window/sdl_player.h"

#include "host/sound/wave.h"

#include <SDL.h>

#include <span>

namespace nk {

namespace {

constexpr int kPreferredRate = 44100; // the rate of the built-in sounds
constexpr int kPreferredChannels = 1;

// Converts 16-bit interleaved samples to the device's rate and channel count.
std::vector<std::uint8_t> Convert(const DecodedWave& wave, int rate, int channels,
                                  std::string& error) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(wave.samples.data());
    const std::size_t size = wave.samples.size() * sizeof(std::int16_t);
    if (static_cast<int>(wave.info.channels) == channels &&
        static_cast<int>(wave.info.sampleRate) == rate)
        return {bytes, bytes + size};

    SDL_AudioStream* stream =
        SDL_NewAudioStream(AUDIO_S16SYS, wave.info.channels, static_cast<int>(wave.info.sampleRate),
                           AUDIO_S16SYS, channels, rate);
    if (!stream) {
        error = std::string("cannot convert the sound: ") + SDL_GetError();
        return {};
    }
    std::vector<std::uint8_t> out;
    if (SDL_AudioStreamPut(stream, bytes, static_cast<int>(size)) == 0 &&
        SDL_AudioStreamFlush(stream) == 0) {
        out.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream)));
        const int got = SDL_AudioStreamGet(stream, out.data(), static_cast<int>(out.size()));
        out.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    } else {
        error = std::string("cannot convert the sound: ") + SDL_GetError();
    }
    SDL_FreeAudioStream(stream);
    return out;
}

} // namespace

SdlPlayer::SdlPlayer() : SdlPlayer(Options{}) {}

SdlPlayer::SdlPlayer(Options options) : options_(options) {}

SdlPlayer::~SdlPlayer() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    if (audioInitialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlPlayer::OpenDevice() {
    if (device_ != 0) return true;
    if (!audioInitialised_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            error_ = std::string("no audio: ") + SDL_GetError();
            return false;
        }
        audioInitialised_ = true;
    }
    SDL_AudioSpec want{};
    want.freq = kPreferredRate;
    want.format = AUDIO_S16SYS;
    want.channels = kPreferredChannels;
    want.samples = 1024;
    SDL_AudioSpec have{};
    device_ =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ == 0) {
        error_ = std::string("no audio device: ") + SDL_GetError();
        return false;
    }
    rate_ = have.freq;
    channels_ = have.channels;
    return true;
}

void SdlPlayer::Play(std::shared_ptr<const std::vector<std::uint8_t>> image, int id) {
    error_.clear();
    if (!OpenDevice()) return;
    // A new sound stops the one playing.
    SDL_ClearQueuedAudio(device_);
    image_ = std::move(image);
    id_ = id;
    if (!image_) {
        error_ = "sound " + std::to_string(id) + ": no image";
        return;
    }
    const DecodedWave wave = DecodeWave(*image_, "sound " + std::to_string(id));
    if (!wave.ok()) {
        error_ = wave.error;
        return;
    }
    if (wave.info.channels == 0 || wave.info.sampleRate == 0 || wave.samples.empty()) return;
    const std::vector<std::uint8_t> samples = Convert(wave, rate_, channels_, error_);
    if (samples.empty()) return;
    if (SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size())) != 0) {
        error_ = std::string("cannot queue the sound: ") + SDL_GetError();
        return;
    }
    if (options_.start) SDL_PauseAudioDevice(device_, 0);
}

std::uint32_t SdlPlayer::QueuedBytes() const {
    return device_ != 0 ? SDL_GetQueuedAudioSize(device_) : 0;
}

} // namespace nk
