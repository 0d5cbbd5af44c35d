#include "qt/sound_player.h"

#include "host/sound/wave.h"

#include <span>

#ifdef NK_QT_MULTIMEDIA
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#endif

namespace nk::qt {

#ifdef NK_QT_MULTIMEDIA
// The samples of the sound playing and the sink reading them; replaced whole by the next.
struct SoundPlayer::Output {
    QByteArray samples;
    QBuffer buffer;
    std::unique_ptr<QAudioSink> sink;

    ~Output() {
        if (sink) sink->stop();
    }
};
#else
struct SoundPlayer::Output {};
#endif

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::audible() {
#ifdef NK_QT_MULTIMEDIA
    return true;
#else
    return false;
#endif
}

void SoundPlayer::Play(std::shared_ptr<const std::vector<std::uint8_t>> image, int id) {
    output_.reset(); // a new sound stops the one playing
    id_ = id;
    error_.clear();
    if (!image) return;
    const DecodedWave wave = DecodeWave(std::span(*image), "sound " + std::to_string(id));
    if (!wave.error.empty()) {
        error_ = wave.error;
        return;
    }
#ifdef NK_QT_MULTIMEDIA
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(wave.info.sampleRate));
    format.setChannelCount(static_cast<int>(wave.info.channels));
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format)) {
        error_ = "no audio output takes the sound's format";
        return;
    }
    auto output = std::make_unique<Output>();
    output->samples =
        QByteArray(reinterpret_cast<const char*>(wave.samples.data()),
                   static_cast<qsizetype>(wave.samples.size() * sizeof(std::int16_t)));
    output->buffer.setBuffer(&output->samples);
    output->buffer.open(QIODevice::ReadOnly);
    output->sink = std::make_unique<QAudioSink>(device, format);
    output->sink->start(&output->buffer);
    output_ = std::move(output);
#endif
}

SoundPlayer& Sounds() {
    static SoundPlayer player;
    return player;
}

} // namespace nk::qt
