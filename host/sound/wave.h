// Wave images: RIFF WAVE parsing, decoding of plain PCM and Microsoft ADPCM (wave format 2)
// to 16-bit samples, and an MS ADPCM encoder for 16-bit mono samples. The built-in press and
// release sounds are written by the encoder; the sound players decode with DecodeWave.
//
// A damaged image (too short, chunk sizes that run past the end, a missing fmt or data
// chunk, zero channels or block align, bad coefficients, an inconsistent samples-per-block
// value, a block whose predictor index is out of range) is refused with a message
// "<source>: <place>: <problem>", and nothing outside the given bytes is ever read.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace nk {

inline constexpr std::uint16_t kWaveFormatPcm = 1;
inline constexpr std::uint16_t kWaveFormatMsAdpcm = 2;
inline constexpr std::uint16_t kWaveFormatExtensible = 0xFFFE;

// One predictor of MS ADPCM: the weights (in 1/256) of the last and the second-to-last sample.
struct AdpcmCoefficient {
    std::int16_t coef1 = 0;
    std::int16_t coef2 = 0;
    friend bool operator==(const AdpcmCoefficient&, const AdpcmCoefficient&) = default;
};

// The seven predictor pairs every MS ADPCM format chunk starts with.
inline constexpr AdpcmCoefficient kAdpcmStandardCoefficients[7] = {
    {256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};

// What the fmt, fact and data chunks of an image say.
struct WaveInfo {
    std::uint16_t formatTag = 0; // 1 PCM or 2 MS ADPCM (extensible images give their sub-format)
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t samplesPerBlock = 0;          // MS ADPCM only
    std::vector<AdpcmCoefficient> coefficients; // MS ADPCM only
    bool hasFact = false;
    std::uint32_t factSamples = 0; // samples per channel, from the fact chunk
    std::size_t dataOffset = 0;    // where the data chunk's bytes start in the image
    std::size_t dataSize = 0;      // the data chunk's length (without its pad byte)
};

struct WaveParseResult {
    WaveInfo info;
    std::string error; // empty on success
    bool ok() const { return error.empty(); }
};

// Samples per channel in one MS ADPCM block of the given alignment: two come from the block
// header (seven bytes per channel), the rest two per byte per channel. 0 if the block is
// too small for its header.
std::uint32_t AdpcmSamplesPerBlock(std::uint32_t blockAlign, std::uint32_t channels);

// Reads the chunk structure and checks the format; does not decode.
WaveParseResult ParseWave(std::span<const std::uint8_t> data, const std::string& source);

struct DecodedWave {
    WaveInfo info;
    std::vector<std::int16_t> samples; // interleaved by channel
    std::string error;                 // empty on success
    bool ok() const { return error.empty(); }
    std::size_t frames() const { return info.channels ? samples.size() / info.channels : 0; }
};

// Parses and decodes to 16-bit samples (8-, 16-, 24- and 32-bit PCM; MS ADPCM). When a fact
// chunk is present, an MS ADPCM image is cut to its sample count.
DecodedWave DecodeWave(std::span<const std::uint8_t> data, const std::string& source);

struct AdpcmEncodeOptions {
    std::uint32_t sampleRate = 44100;
    std::uint16_t blockAlign = 1024;
};

// Encodes 16-bit mono samples as a complete RIFF wave image in MS ADPCM: a 50-byte fmt chunk
// with the seven standard coefficient pairs, a fact chunk with the sample count, and a data
// chunk of whole blocks whose last block is only as long as its samples need (the chunk gets
// a pad byte when its length is odd). Each block takes the predictor and starting step that
// reproduce it best. An empty input gives an image with an empty data chunk.
std::vector<std::uint8_t> EncodeMsAdpcmWave(std::span<const std::int16_t> samples,
                                            const AdpcmEncodeOptions& options = {});

} // namespace nk
