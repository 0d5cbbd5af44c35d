// The wave codec: chunk parsing, PCM and MS ADPCM decoding, the MS ADPCM encoder, and the
// refusal of damaged images. SDL's wave loader serves as an independent decoder.
#include "host/sound/wave.h"
#include "resources/resource_tables.h"

#include <SDL2/SDL.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

namespace nk {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::int16_t> Tone(std::size_t n, double amplitude = 12000) {
    std::vector<std::int16_t> s(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / 44100.0;
        const double v = std::sin(2 * std::numbers::pi * 440 * t) * 0.7 +
                         std::sin(2 * std::numbers::pi * 1330 * t) * 0.3;
        // A slow swell so that the encoder meets changing levels from block to block.
        const double swell = 0.35 + 0.65 * std::sin(std::numbers::pi * static_cast<double>(i) /
                                                    static_cast<double>(n));
        s[i] = static_cast<std::int16_t>(std::lround(v * amplitude * swell));
    }
    return s;
}

double SignalToNoiseDb(const std::vector<std::int16_t>& ref, const std::vector<std::int16_t>& got) {
    double signal = 0, noise = 0;
    for (std::size_t i = 0; i < ref.size(); ++i) {
        signal += double(ref[i]) * ref[i];
        noise += (double(ref[i]) - got[i]) * (double(ref[i]) - got[i]);
    }
    return 10 * std::log10(signal / std::max(noise, 1.0));
}

void Set16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
    Set16(b, at, static_cast<std::uint16_t>(v & 0xFFFF));
    Set16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}
std::uint32_t Get32(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

void AppendChunk(Bytes& out, const char* id, const Bytes& body) {
    out.insert(out.end(), id, id + 4);
    const std::size_t at = out.size();
    out.resize(at + 4);
    Set32(out, at, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2) out.push_back(0);
}

// A RIFF WAVE image of the given chunks, in order.
Bytes Riff(const std::vector<std::pair<const char*, Bytes>>& chunks) {
    Bytes out = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (const auto& [id, body] : chunks)
        AppendChunk(out, id, body);
    Set32(out, 4, static_cast<std::uint32_t>(out.size() - 8));
    return out;
}

Bytes PcmFormat(std::uint16_t channels, std::uint16_t bits, std::uint32_t rate = 8000) {
    Bytes f(16);
    Set16(f, 0, 1);
    Set16(f, 2, channels);
    Set32(f, 4, rate);
    Set32(f, 8, rate * channels * bits / 8);
    Set16(f, 12, static_cast<std::uint16_t>(channels * bits / 8));
    Set16(f, 14, bits);
    return f;
}

Bytes AdpcmFormat(std::uint16_t channels, std::uint16_t blockAlign) {
    Bytes f(50);
    Set16(f, 0, 2);
    Set16(f, 2, channels);
    Set32(f, 4, 8000);
    Set32(f, 8, 4000);
    Set16(f, 12, blockAlign);
    Set16(f, 14, 4);
    Set16(f, 16, 32);
    Set16(f, 18, static_cast<std::uint16_t>(AdpcmSamplesPerBlock(blockAlign, channels)));
    Set16(f, 20, 7);
    for (int i = 0; i < 7; ++i) {
        Set16(f, 22 + i * 4, static_cast<std::uint16_t>(kAdpcmStandardCoefficients[i].coef1));
        Set16(f, 24 + i * 4, static_cast<std::uint16_t>(kAdpcmStandardCoefficients[i].coef2));
    }
    return f;
}

// SDL's decoding of an image, as 16-bit samples; empty with `error` set when SDL refuses it.
std::vector<std::int16_t> DecodeWithSdl(const Bytes& image, std::string& error,
                                        SDL_AudioSpec& audio) {
    // The last block of a short sound is shorter than the block size; SDL's default drops
    // such a block, so it is asked to decode every whole sample frame instead.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "dropframe");
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
    if (!SDL_LoadWAV_RW(rw, 1, &audio, &buffer, &length)) {
        error = SDL_GetError();
        return {};
    }
    std::vector<std::int16_t> samples(length / 2);
    std::memcpy(samples.data(), buffer, samples.size() * 2);
    SDL_FreeWAV(buffer);
    return samples;
}

TEST(WaveEncoder, WritesTheStandardHeaderAndEveryBlock) {
    const auto tone = Tone(5000);
    const Bytes image = EncodeMsAdpcmWave(tone);
    const auto parsed = ParseWave(image, "tone");
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const WaveInfo& info = parsed.info;
    EXPECT_EQ(info.formatTag, kWaveFormatMsAdpcm);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.sampleRate, 44100u);
    EXPECT_EQ(info.blockAlign, 1024);
    EXPECT_EQ(info.bitsPerSample, 4);
    EXPECT_EQ(info.samplesPerBlock, 2036);
    ASSERT_EQ(info.coefficients.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(info.coefficients[i], kAdpcmStandardCoefficients[i]);
    EXPECT_TRUE(info.hasFact);
    EXPECT_EQ(info.factSamples, 5000u);
    EXPECT_EQ(info.dataOffset, 90u); // 12 + fmt (8 + 50) + fact (8 + 4) + data header 8
    // Two whole blocks (4072 samples) and a last block of 7 + (928 - 2) / 2 bytes.
    EXPECT_EQ(info.dataSize, 2048u + 7 + 463);
    EXPECT_EQ(Get32(image, 4), image.size() - 8);
}

// Sample counts at and around block boundaries: the last block holds exactly what is left,
// an odd data chunk gets its pad byte, and decoding gives back exactly the encoded count.
TEST(WaveEncoder, SampleCountsSurviveAroundBlockBoundaries) {
    for (std::size_t n :
         {0u, 1u, 2u, 3u, 4u, 2035u, 2036u, 2037u, 2038u, 4071u, 4072u, 4073u, 4710u, 7652u}) {
        SCOPED_TRACE("samples " + std::to_string(n));
        const auto tone = Tone(n);
        const Bytes image = EncodeMsAdpcmWave(tone);
        const auto decoded = DecodeWave(image, "tone");
        ASSERT_TRUE(decoded.ok()) << decoded.error;
        EXPECT_EQ(decoded.frames(), n);
        EXPECT_EQ(image.size() % 2, 0u);
        EXPECT_EQ(Get32(image, 4), image.size() - 8);
        const std::size_t full = n / 2036, rest = n % 2036;
        const std::size_t expected =
            full * 1024 + (rest == 0 ? 0 : 7 + (rest > 2 ? (rest - 2 + 1) / 2 : 0));
        EXPECT_EQ(decoded.info.dataSize, expected);
        // Samples that the block header carries come back exactly.
        if (n >= 1) {
            EXPECT_EQ(decoded.samples[0], tone[0]);
        }
        if (n >= 2) {
            EXPECT_EQ(decoded.samples[1], tone[1]);
        }
    }
}

TEST(WaveEncoder, ATestToneComesBackClose) {
    const auto tone = Tone(20000);
    const auto decoded = DecodeWave(EncodeMsAdpcmWave(tone), "tone");
    ASSERT_TRUE(decoded.ok()) << decoded.error;
    ASSERT_EQ(decoded.samples.size(), tone.size());
    EXPECT_GT(SignalToNoiseDb(tone, decoded.samples), 26.0);

    // Full-scale square waves drive the step size to its limits and the samples to clipping.
    std::vector<std::int16_t> square(6000);
    for (std::size_t i = 0; i < square.size(); ++i)
        square[i] = (i / 50) % 2 ? 32767 : -32768;
    const auto loud = DecodeWave(EncodeMsAdpcmWave(square), "square");
    ASSERT_TRUE(loud.ok()) << loud.error;
    EXPECT_GT(SignalToNoiseDb(square, loud.samples), 12.0);
}

TEST(WaveEncoder, OtherBlockSizesAndRates) {
    const auto tone = Tone(3000);
    const Bytes image = EncodeMsAdpcmWave(tone, {22050, 256});
    const auto decoded = DecodeWave(image, "tone");
    ASSERT_TRUE(decoded.ok()) << decoded.error;
    EXPECT_EQ(decoded.info.sampleRate, 22050u);
    EXPECT_EQ(decoded.info.samplesPerBlock, 500);
    EXPECT_EQ(decoded.frames(), 3000u);
    EXPECT_GT(SignalToNoiseDb(tone, decoded.samples), 26.0);
}

// A block worked out by hand: predictor 0 repeats the last sample, so each code adds
// code x step; the step shrinks (x230/256, no lower than 16) or grows (x307/256 for +-4).
TEST(WaveDecoder, DecodesAHandMadeMonoBlock) {
    Bytes block = {0, 16, 0, 100, 0, 50, 0, 0x1F, 0x40};
    const Bytes image = Riff({{"fmt ", AdpcmFormat(1, 9)}, {"data", block}});
    const auto d = DecodeWave(image, "hand");
    ASSERT_TRUE(d.ok()) << d.error;
    // sample2 first, then sample1; then 100 + 16, 116 - 16, 100 + 4 x 16 = 164, 164 + 0.
    EXPECT_EQ(d.samples, (std::vector<std::int16_t>{50, 100, 116, 100, 164, 164}));
}

TEST(WaveDecoder, DecodesAHandMadeStereoBlockChannelByChannel) {
    // Header: predictors (0, 1), steps (16, 32), sample1 (10, -10), sample2 (0, 0); then the
    // codes alternate left (high nibble) and right (low nibble).
    Bytes block = {0, 1, 16, 0, 32, 0, 10, 0, 0xF6, 0xFF, 0, 0, 0, 0, 0x21};
    const Bytes image = Riff({{"fmt ", AdpcmFormat(2, 15)}, {"data", block}});
    const auto d = DecodeWave(image, "hand");
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.info.channels, 2);
    // Left: 10 + 2 x 16 = 42. Right, predictor (512, -256): 2 x -10 - 0 = -20, plus 32 = 12.
    EXPECT_EQ(d.samples, (std::vector<std::int16_t>{0, 0, 10, -10, 42, 12}));
}

TEST(WaveDecoder, DecodesPcmOfEachDepthAndSkipsPaddedChunks) {
    // A LIST chunk of odd length before the data: its pad byte must be skipped.
    const Bytes pcm16 = Riff({{"fmt ", PcmFormat(1, 16)},
                              {"LIST", {'a', 'b', 'c'}},
                              {"data", {0x01, 0x00, 0xFF, 0xFF, 0x00, 0x80}}});
    auto d = DecodeWave(pcm16, "pcm16");
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.samples, (std::vector<std::int16_t>{1, -1, -32768}));

    const Bytes pcm8 = Riff({{"fmt ", PcmFormat(2, 8)}, {"data", {0x80, 0xFF, 0x00, 0x81}}});
    d = DecodeWave(pcm8, "pcm8");
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.frames(), 2u);
    EXPECT_EQ(d.samples, (std::vector<std::int16_t>{0, 127 * 256, -128 * 256, 256}));

    const Bytes pcm24 = Riff({{"fmt ", PcmFormat(1, 24)}, {"data", {0xAA, 0x34, 0x12, 0x00}}});
    d = DecodeWave(pcm24, "pcm24");
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.samples, (std::vector<std::int16_t>{0x1234})); // the trailing byte is no frame
}

struct Damage {
    const char* what;
    std::function<void(Bytes&)> apply;
    const char* message; // a piece of the expected message
};

// Offsets in an image written by the encoder: fmt body at 20, fact at 70, data at 90.
TEST(WaveDecoder, RefusesDamagedImagesWithAMessage) {
    const Bytes good = EncodeMsAdpcmWave(Tone(3000));
    ASSERT_TRUE(DecodeWave(good, "x").ok());
    const std::vector<Damage> damages = {
        {"too short", [](Bytes& b) { b.resize(11); }, "too short"},
        {"not RIFF", [](Bytes& b) { b[3] = 'X'; }, "not a RIFF"},
        {"not WAVE", [](Bytes& b) { b[8] = 'A'; }, "not WAVE"},
        {"RIFF size too large", [](Bytes& b) { Set32(b, 4, static_cast<std::uint32_t>(b.size())); },
         "RIFF size"},
        {"fmt size too large", [](Bytes& b) { Set32(b, 16, 5000); }, "runs past the end"},
        {"data size too large", [](Bytes& b) { Set32(b, 86, Get32(b, 86) + 10); },
         "runs past the end"},
        {"fmt too short",
         [](Bytes& b) {
             b = Riff({{"fmt ", Bytes(14)}, {"data", {}}});
         },
         "at least 16"},
        {"zero channels", [](Bytes& b) { Set16(b, 22, 0); }, "zero channels"},
        {"zero block align", [](Bytes& b) { Set16(b, 32, 0); }, "block align 0"},
        {"zero rate", [](Bytes& b) { Set32(b, 24, 0); }, "sample rate 0"},
        {"block smaller than its header", [](Bytes& b) { Set16(b, 32, 6); }, "too small"},
        {"three channels in a 1024 block", [](Bytes& b) { Set16(b, 22, 3); }, "samples per block"},
        {"too many samples per block", [](Bytes& b) { Set16(b, 38, 2037); }, "samples per block"},
        {"one sample per block", [](Bytes& b) { Set16(b, 38, 1); }, "samples per block"},
        {"bad coefficient", [](Bytes& b) { Set16(b, 42 + 5 * 4, 461); }, "coefficient pair 5"},
        {"too few coefficients", [](Bytes& b) { Set16(b, 40, 6); }, "coefficient pairs"},
        {"more coefficients than the chunk holds", [](Bytes& b) { Set16(b, 40, 9); }, "too short"},
        {"wrong bits per sample", [](Bytes& b) { Set16(b, 34, 8); }, "bits per sample"},
        {"unknown format", [](Bytes& b) { Set16(b, 20, 0x55); }, "unsupported wave format"},
        {"predictor index out of range", [](Bytes& b) { b[90 + 1024] = 7; },
         "data block 1 at offset 1114: predictor index 7"},
        {"no data chunk", [](Bytes& b) { b[82] = 'D'; }, "no data chunk"},
        {"no fmt chunk", [](Bytes& b) { b[12] = 'F'; }, "no fmt chunk"},
        {"fact size cuts into the next chunk", [](Bytes& b) { Set32(b, 74, 2); },
         "runs past the end"},
        {"fact too short",
         [](Bytes& b) {
             b = Riff({{"fmt ", AdpcmFormat(1, 1024)}, {"fact", {1, 0}}, {"data", {}}});
         },
         "4 expected"},
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.what);
        Bytes bad = good;
        damage.apply(bad);
        const auto d = DecodeWave(bad, "res:401");
        EXPECT_FALSE(d.ok());
        EXPECT_TRUE(d.samples.empty());
        EXPECT_EQ(d.error.rfind("res:401: ", 0), 0u) << d.error;
        EXPECT_NE(d.error.find(damage.message), std::string::npos) << d.error;
    }
}

// Every cut-off image is refused (the RIFF size then claims more than there is), and the
// decoder stays inside the bytes it was given (the sanitizer builds check the reads).
TEST(WaveDecoder, RefusesEveryTruncation) {
    const Bytes good = EncodeMsAdpcmWave(Tone(2100));
    for (std::size_t n = 0; n < good.size(); ++n) {
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        const auto d = DecodeWave(cut, "cut");
        EXPECT_FALSE(d.ok()) << "length " << n;
    }
}

// A data chunk whose last block is too short for its header gives no samples for it, and a
// fact count larger than the data is not trusted.
TEST(WaveDecoder, TrailingBytesAndLargeFactCounts) {
    const Bytes mono = {0, 16, 0, 100, 0, 50, 0, 0x1F, 0x40};
    Bytes data = mono;
    data.insert(data.end(), {1, 2, 3}); // three bytes: not a block header
    Bytes fact(4);
    Set32(fact, 0, 1000);
    const auto d =
        DecodeWave(Riff({{"fmt ", AdpcmFormat(1, 9)}, {"fact", fact}, {"data", data}}), "trailing");
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.frames(), 6u);
}

TEST(WaveDecoder, AgreesWithSdlOnMsAdpcm) {
    SDL_AudioSpec audio{};
    std::string error;
    const auto tone = Tone(7000);
    const Bytes image = EncodeMsAdpcmWave(tone);
    const auto ours = DecodeWave(image, "tone");
    ASSERT_TRUE(ours.ok()) << ours.error;
    const auto sdl = DecodeWithSdl(image, error, audio);
    ASSERT_TRUE(error.empty()) << error;
    EXPECT_EQ(audio.freq, 44100);
    EXPECT_EQ(audio.channels, 1);
    EXPECT_EQ(audio.format, AUDIO_S16LSB);
    ASSERT_EQ(sdl.size(), ours.samples.size());
    EXPECT_EQ(sdl, ours.samples);
}

struct BuiltInSound {
    int id;
    std::size_t bytes;
    std::size_t samples;
};

// The press and release sounds of nuvset1: MS ADPCM, mono, 44100 Hz, blocks of 1024 bytes,
// exact sizes and sample counts, decoded alike by the kit and by SDL.
TEST(BuiltInSounds, DecodeToTheirSampleCountsWithBothDecoders) {
    for (const BuiltInSound& sound :
         {BuiltInSound{401, 2464, 4710}, BuiltInSound{402, 3940, 7652}}) {
        SCOPED_TRACE(sound.id);
        const ResourceEntry* entry = Nuvset1Resources().Find(sound.id, ResourceKind::Sound);
        ASSERT_NE(entry, nullptr);
        const Bytes image(entry->bytes.begin(), entry->bytes.end());
        EXPECT_EQ(image.size(), sound.bytes);
        const auto ours = DecodeWave(image, "res:" + std::to_string(sound.id));
        ASSERT_TRUE(ours.ok()) << ours.error;
        EXPECT_EQ(ours.info.formatTag, kWaveFormatMsAdpcm);
        EXPECT_EQ(ours.info.channels, 1);
        EXPECT_EQ(ours.info.sampleRate, 44100u);
        EXPECT_EQ(ours.info.bitsPerSample, 4);
        EXPECT_EQ(ours.info.blockAlign, 1024);
        EXPECT_EQ(ours.info.factSamples, sound.samples);
        EXPECT_EQ(ours.frames(), sound.samples);
        SDL_AudioSpec audio{};
        std::string error;
        const auto sdl = DecodeWithSdl(image, error, audio);
        ASSERT_TRUE(error.empty()) << error;
        EXPECT_EQ(audio.freq, 44100);
        EXPECT_EQ(audio.channels, 1);
        EXPECT_EQ(sdl.size(), sound.samples);
        EXPECT_EQ(sdl, ours.samples);
    }
}

// The press is a crisp click and the release a softer one: the press is louder at its start
// and brighter (more of its energy in fast changes); both end in silence.
TEST(BuiltInSounds, PressIsCrispAndReleaseIsSofter) {
    auto decode = [](int id) {
        const ResourceEntry* entry = Nuvset1Resources().Find(id, ResourceKind::Sound);
        return entry ? DecodeWave(entry->bytes, "res") : DecodedWave{};
    };
    const auto press = decode(401), release = decode(402);
    ASSERT_TRUE(press.ok() && release.ok());
    ASSERT_GT(press.samples.size(), 441u);
    ASSERT_GT(release.samples.size(), 441u);
    auto energy = [](const std::vector<std::int16_t>& s, std::size_t n) {
        double e = 0;
        for (std::size_t i = 0; i < n; ++i)
            e += double(s[i]) * s[i];
        return e;
    };
    auto brightness = [](const std::vector<std::int16_t>& s, std::size_t n) {
        double diff = 0, level = 0;
        for (std::size_t i = 1; i < n; ++i) {
            diff += (double(s[i]) - s[i - 1]) * (double(s[i]) - s[i - 1]);
            level += double(s[i]) * s[i];
        }
        return diff / std::max(level, 1.0);
    };
    const std::size_t first10ms = 441;
    EXPECT_GT(energy(press.samples, first10ms), 1.2 * energy(release.samples, first10ms));
    EXPECT_GT(brightness(press.samples, first10ms), 1.5 * brightness(release.samples, first10ms));
    for (const auto* s : {&press.samples, &release.samples}) {
        std::int16_t peak = 0;
        for (auto v : *s)
            peak = std::max<std::int16_t>(peak, static_cast<std::int16_t>(std::abs(v)));
        EXPECT_GT(peak, 8000); // clearly audible
        for (std::size_t i = s->size() - 64; i < s->size(); ++i)
            EXPECT_LT(std::abs((*s)[i]), 64);
    }
}

} // namespace
} // namespace nk
