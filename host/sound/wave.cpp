#include "host/sound/wave.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace nk {

namespace {

constexpr std::size_t kAdpcmHeaderBytesPerChannel = 7;
constexpr std::int32_t kAdpcmMinDelta = 16;
constexpr std::int32_t kAdpcmMaxDelta = 0xFFFF;
// How the step size adapts to the nibble just coded, in 1/256: large errors widen it.
constexpr std::array<std::int32_t, 16> kAdpcmAdaptation = {230, 230, 230, 230, 307, 409, 512, 614,
                                                           768, 614, 512, 409, 307, 230, 230, 230};

std::uint16_t Le16(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::uint16_t>(d[at] | (d[at + 1] << 8));
}
std::uint32_t Le32(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::uint32_t>(d[at]) | (static_cast<std::uint32_t>(d[at + 1]) << 8) |
           (static_cast<std::uint32_t>(d[at + 2]) << 16) |
           (static_cast<std::uint32_t>(d[at + 3]) << 24);
}
std::int16_t LeS16(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::int16_t>(Le16(d, at));
}

// A chunk identifier as text, with unprintable bytes in hex.
std::string ChunkName(std::span<const std::uint8_t> d, std::size_t at) {
    std::string name;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint8_t c = d[at + i];
        if (c >= 0x20 && c < 0x7F) {
            name += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            name += hex;
        }
    }
    return "'" + name + "'";
}

bool IdIs(std::span<const std::uint8_t> d, std::size_t at, const char* id) {
    return std::equal(id, id + 4, d.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

std::string At(std::size_t offset) {
    return "offset " + std::to_string(offset);
}

// Where a chunk was found: its body offset and length inside the image.
struct ChunkRef {
    std::size_t offset = 0;
    std::size_t size = 0;
};

// The fmt chunk's fields, checked. Returns an error text (without the source), empty on
// success.
std::string ReadFormat(std::span<const std::uint8_t> d, const ChunkRef& fmt, WaveInfo& info) {
    const std::string place = "fmt chunk at " + At(fmt.offset - 8);
    if (fmt.size < 16)
        return place + ": " + std::to_string(fmt.size) + " bytes, at least 16 are needed";
    const auto body = d.subspan(fmt.offset, fmt.size);
    info.formatTag = Le16(body, 0);
    info.channels = Le16(body, 2);
    info.sampleRate = Le32(body, 4);
    info.avgBytesPerSec = Le32(body, 8);
    info.blockAlign = Le16(body, 12);
    info.bitsPerSample = Le16(body, 14);
    if (info.channels == 0) return place + ": zero channels";
    if (info.sampleRate == 0) return place + ": sample rate 0";
    if (info.blockAlign == 0) return place + ": block align 0";

    if (info.formatTag == kWaveFormatExtensible) {
        if (fmt.size < 40 || Le16(body, 16) < 22)
            return place + ": extensible format chunk too short for its sub-format";
        info.formatTag = Le16(body, 24);
        if (info.formatTag != kWaveFormatPcm)
            return place + ": unsupported extensible sub-format " + std::to_string(info.formatTag);
    }

    if (info.formatTag == kWaveFormatPcm) {
        const auto bits = info.bitsPerSample;
        if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
            return place + ": PCM with " + std::to_string(bits) + " bits per sample";
        if (info.blockAlign != static_cast<std::uint32_t>(info.channels) * bits / 8)
            return place + ": block align " + std::to_string(info.blockAlign) + " does not fit " +
                   std::to_string(info.channels) + " channels of " + std::to_string(bits) + " bits";
        return {};
    }
    if (info.formatTag != kWaveFormatMsAdpcm)
        return place + ": unsupported wave format " + std::to_string(info.formatTag);

    if (info.bitsPerSample != 4)
        return place + ": MS ADPCM with " + std::to_string(info.bitsPerSample) +
               " bits per sample, 4 expected";
    if (fmt.size < 22) return place + ": MS ADPCM format chunk shorter than 22 bytes";
    const std::uint32_t extra = Le16(body, 16);
    info.samplesPerBlock = Le16(body, 18);
    const std::uint32_t count = Le16(body, 20);
    if (count < 7 || count > 256)
        return place + ": " + std::to_string(count) + " coefficient pairs (7 to 256 allowed)";
    if (fmt.size < 22 + count * 4 || extra < 4 + count * 4)
        return place + ": too short for its " + std::to_string(count) + " coefficient pairs";
    info.coefficients.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        info.coefficients[i] = {LeS16(body, 22 + i * 4), LeS16(body, 24 + i * 4)};
        if (i < 7 && info.coefficients[i] != kAdpcmStandardCoefficients[i])
            return place + ": coefficient pair " + std::to_string(i) + " is (" +
                   std::to_string(info.coefficients[i].coef1) + ", " +
                   std::to_string(info.coefficients[i].coef2) + "), not the standard pair";
    }
    if (info.blockAlign < kAdpcmHeaderBytesPerChannel * info.channels)
        return place + ": block align " + std::to_string(info.blockAlign) +
               " is too small for the block header of " + std::to_string(info.channels) +
               " channels";
    const auto capacity = AdpcmSamplesPerBlock(info.blockAlign, info.channels);
    if (info.samplesPerBlock < 2 || info.samplesPerBlock > capacity)
        return place + ": " + std::to_string(info.samplesPerBlock) +
               " samples per block, a block of " + std::to_string(info.blockAlign) +
               " bytes holds 2 to " + std::to_string(capacity);
    return {};
}

// MS ADPCM decoder state of one channel.
struct AdpcmChannel {
    std::int32_t coef1 = 0;
    std::int32_t coef2 = 0;
    std::int32_t delta = kAdpcmMinDelta;
    std::int32_t sample1 = 0; // the latest sample
    std::int32_t sample2 = 0; // the one before
};

std::int32_t AdpcmPredict(const AdpcmChannel& ch) {
    const std::int64_t p = static_cast<std::int64_t>(ch.sample1) * ch.coef1 +
                           static_cast<std::int64_t>(ch.sample2) * ch.coef2;
    return static_cast<std::int32_t>(p / 256); // at most 2^23 in magnitude
}

// Applies one 4-bit code to the channel and returns the sample it gives.
std::int16_t AdpcmStep(AdpcmChannel& ch, unsigned nibble) {
    const std::int32_t signedCode = static_cast<std::int32_t>(nibble) - (nibble >= 8 ? 16 : 0);
    const std::int32_t sample = std::clamp(AdpcmPredict(ch) + ch.delta * signedCode,
                                           std::int32_t{-32768}, std::int32_t{32767});
    ch.delta =
        std::clamp(ch.delta * kAdpcmAdaptation[nibble] / 256, kAdpcmMinDelta, kAdpcmMaxDelta);
    ch.sample2 = ch.sample1;
    ch.sample1 = sample;
    return static_cast<std::int16_t>(sample);
}

std::string DecodeAdpcm(std::span<const std::uint8_t> data, const WaveInfo& info,
                        std::vector<std::int16_t>& out) {
    const std::size_t ch = info.channels;
    const std::size_t headerBytes = kAdpcmHeaderBytesPerChannel * ch;
    std::vector<AdpcmChannel> state(ch);
    std::size_t block = 0;
    for (std::size_t offset = 0; offset < data.size(); offset += info.blockAlign, ++block) {
        const std::size_t length = std::min<std::size_t>(info.blockAlign, data.size() - offset);
        if (length < headerBytes) break; // trailing bytes too short for a block: no samples
        const auto b = data.subspan(offset, length);
        const std::size_t frames =
            std::min<std::size_t>(info.samplesPerBlock, 2 + (length - headerBytes) * 2 / ch);
        for (std::size_t c = 0; c < ch; ++c) {
            const std::size_t predictor = b[c];
            if (predictor >= info.coefficients.size())
                return "data block " + std::to_string(block) + " at " +
                       At(info.dataOffset + offset) + ": predictor index " +
                       std::to_string(predictor) + ", only " +
                       std::to_string(info.coefficients.size()) + " coefficient pairs";
            state[c].coef1 = info.coefficients[predictor].coef1;
            state[c].coef2 = info.coefficients[predictor].coef2;
            state[c].delta = Le16(b, ch + 2 * c);
            state[c].sample1 = LeS16(b, 3 * ch + 2 * c);
            state[c].sample2 = LeS16(b, 5 * ch + 2 * c);
        }
        for (std::size_t c = 0; c < ch; ++c)
            out.push_back(static_cast<std::int16_t>(state[c].sample2));
        for (std::size_t c = 0; c < ch; ++c)
            out.push_back(static_cast<std::int16_t>(state[c].sample1));
        const std::size_t codes = (frames - 2) * ch;
        for (std::size_t i = 0; i < codes; ++i) {
            const std::uint8_t byte = b[headerBytes + i / 2];
            const unsigned nibble = (i % 2 == 0) ? byte >> 4 : byte & 0x0F;
            out.push_back(AdpcmStep(state[i % ch], nibble));
        }
    }
    return {};
}

void DecodePcm(std::span<const std::uint8_t> data, const WaveInfo& info,
               std::vector<std::int16_t>& out) {
    const std::size_t bytes = info.bitsPerSample / 8;
    const std::size_t frames = data.size() / info.blockAlign;
    out.reserve(frames * info.channels);
    for (std::size_t i = 0; i < frames * info.channels; ++i) {
        const std::size_t at = i * bytes;
        switch (bytes) {
        case 1:
            out.push_back(static_cast<std::int16_t>((data[at] - 128) * 256));
            break;
        case 2:
            out.push_back(LeS16(data, at));
            break;
        default:
            out.push_back(LeS16(data, at + bytes - 2));
            break; // the top 16 bits
        }
    }
}

// ---- encoder ----

void Put16(std::vector<std::uint8_t>& o, std::uint32_t v) {
    o.push_back(static_cast<std::uint8_t>(v & 0xFF));
    o.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& o, std::uint32_t v) {
    Put16(o, v & 0xFFFF);
    Put16(o, v >> 16);
}
void PutId(std::vector<std::uint8_t>& o, const char* id) {
    for (int i = 0; i < 4; ++i)
        o.push_back(static_cast<std::uint8_t>(id[i]));
}

struct EncodedBlock {
    std::vector<std::uint8_t> bytes;
    double error = std::numeric_limits<double>::infinity();
};

// Codes one block with a fixed predictor and starting step; the error is the sum of the
// squared differences between the source and what a decoder will reproduce.
EncodedBlock EncodeBlock(std::span<const std::int16_t> s, std::size_t predictor,
                         std::int32_t startDelta) {
    EncodedBlock block;
    const std::int16_t first = s[0];
    const std::int16_t second = s.size() > 1 ? s[1] : s[0];
    AdpcmChannel ch{kAdpcmStandardCoefficients[predictor].coef1,
                    kAdpcmStandardCoefficients[predictor].coef2, startDelta, second, first};
    auto& o = block.bytes;
    o.push_back(static_cast<std::uint8_t>(predictor));
    Put16(o, static_cast<std::uint32_t>(startDelta));
    Put16(o, static_cast<std::uint16_t>(second));
    Put16(o, static_cast<std::uint16_t>(first));
    double error = 0;
    for (std::size_t i = 2; i < s.size(); ++i) {
        const double want = s[i];
        const double step = ch.delta;
        const double ideal = (want - AdpcmPredict(ch)) / step;
        const auto code = static_cast<std::int32_t>(std::clamp(std::lround(ideal), -8L, 7L));
        const unsigned nibble = static_cast<unsigned>(code) & 0x0F;
        const double got = AdpcmStep(ch, nibble);
        error += (got - want) * (got - want);
        if (i % 2 == 0)
            o.push_back(static_cast<std::uint8_t>(nibble << 4));
        else
            o.back() = static_cast<std::uint8_t>(o.back() | nibble);
    }
    block.error = error;
    return block;
}

// The starting steps tried for each block: 16 and up in steps of about a third.
std::vector<std::int32_t> CandidateDeltas() {
    std::vector<std::int32_t> deltas;
    for (double d = kAdpcmMinDelta; d <= 16384; d *= 1.33)
        deltas.push_back(static_cast<std::int32_t>(d));
    return deltas;
}

} // namespace

std::uint32_t AdpcmSamplesPerBlock(std::uint32_t blockAlign, std::uint32_t channels) {
    if (channels == 0 || blockAlign < kAdpcmHeaderBytesPerChannel * channels) return 0;
    return (blockAlign - static_cast<std::uint32_t>(kAdpcmHeaderBytesPerChannel) * channels) * 2 /
               channels +
           2;
}

WaveParseResult ParseWave(std::span<const std::uint8_t> d, const std::string& source) {
    WaveParseResult r;
    auto fail = [&](const std::string& what) {
        r.error = source + ": " + what;
        return r;
    };
    if (d.size() < 12)
        return fail("header: " + std::to_string(d.size()) +
                    " bytes are too short for a RIFF wave header");
    if (!IdIs(d, 0, "RIFF")) return fail("header: not a RIFF image");
    if (!IdIs(d, 8, "WAVE")) return fail("header: RIFF form " + ChunkName(d, 8) + ", not WAVE");
    const std::uint32_t riffSize = Le32(d, 4);
    if (riffSize < 4 || riffSize > d.size() - 8)
        return fail("header: RIFF size " + std::to_string(riffSize) + " does not fit the " +
                    std::to_string(d.size()) + "-byte image");
    const std::size_t end = 8 + static_cast<std::size_t>(riffSize);

    std::optional<ChunkRef> fmt, data, fact;
    std::size_t pos = 12;
    while (pos < end) {
        if (end - pos < 8)
            return fail("chunk at " + At(pos) + ": " + std::to_string(end - pos) +
                        " bytes left, too few for a chunk header");
        const std::size_t size = Le32(d, pos + 4);
        const std::size_t body = pos + 8;
        if (size > end - body)
            return fail("chunk " + ChunkName(d, pos) + " at " + At(pos) + ": size " +
                        std::to_string(size) + " runs past the end of the RIFF data (" +
                        std::to_string(end - body) + " bytes left)");
        const ChunkRef ref{body, size};
        if (IdIs(d, pos, "fmt ") && !fmt)
            fmt = ref;
        else if (IdIs(d, pos, "data") && !data)
            data = ref;
        else if (IdIs(d, pos, "fact") && !fact)
            fact = ref;
        pos = body + size + (size & 1); // chunks of odd length carry a pad byte
    }
    if (!fmt) return fail("no fmt chunk");
    if (!data) return fail("no data chunk");
    if (auto e = ReadFormat(d, *fmt, r.info); !e.empty()) return fail(e);
    if (fact) {
        if (fact->size < 4)
            return fail("fact chunk at " + At(fact->offset - 8) + ": " +
                        std::to_string(fact->size) + " bytes, 4 expected");
        r.info.hasFact = true;
        r.info.factSamples = Le32(d, fact->offset);
    }
    r.info.dataOffset = data->offset;
    r.info.dataSize = data->size;
    return r;
}

DecodedWave DecodeWave(std::span<const std::uint8_t> image, const std::string& source) {
    DecodedWave out;
    auto parsed = ParseWave(image, source);
    out.info = std::move(parsed.info);
    if (!parsed.ok()) {
        out.error = std::move(parsed.error);
        return out;
    }
    const auto data = image.subspan(out.info.dataOffset, out.info.dataSize);
    if (out.info.formatTag == kWaveFormatPcm) {
        DecodePcm(data, out.info, out.samples);
        return out;
    }
    if (auto e = DecodeAdpcm(data, out.info, out.samples); !e.empty()) {
        out.samples.clear();
        out.error = source + ": " + e;
        return out;
    }
    if (out.info.hasFact && out.info.factSamples < out.frames())
        out.samples.resize(static_cast<std::size_t>(out.info.factSamples) * out.info.channels);
    return out;
}

std::vector<std::uint8_t> EncodeMsAdpcmWave(std::span<const std::int16_t> samples,
                                            const AdpcmEncodeOptions& options) {
    const std::uint32_t blockAlign = std::max<std::uint32_t>(options.blockAlign, 8);
    const std::uint32_t perBlock = AdpcmSamplesPerBlock(blockAlign, 1);
    static const std::vector<std::int32_t> deltas = CandidateDeltas();

    std::vector<std::uint8_t> payload;
    for (std::size_t start = 0; start < samples.size(); start += perBlock) {
        const auto part =
            samples.subspan(start, std::min<std::size_t>(perBlock, samples.size() - start));
        EncodedBlock best;
        for (std::size_t p = 0; p < 7; ++p)
            for (const auto delta : deltas) {
                auto trial = EncodeBlock(part, p, delta);
                if (trial.error < best.error) best = std::move(trial);
            }
        payload.insert(payload.end(), best.bytes.begin(), best.bytes.end());
    }

    std::vector<std::uint8_t> o;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(payload.size());
    const std::uint32_t padded = dataSize + (dataSize & 1);
    PutId(o, "RIFF");
    Put32(o, 4 + (8 + 50) + (8 + 4) + (8 + padded));
    PutId(o, "WAVE");
    PutId(o, "fmt ");
    Put32(o, 50);
    Put16(o, kWaveFormatMsAdpcm);
    Put16(o, 1);
    Put32(o, options.sampleRate);
    Put32(o, static_cast<std::uint32_t>(static_cast<std::uint64_t>(options.sampleRate) *
                                        blockAlign / perBlock));
    Put16(o, blockAlign);
    Put16(o, 4);
    Put16(o, 32); // extra bytes: samples per block, coefficient count, seven pairs
    Put16(o, perBlock);
    Put16(o, 7);
    for (const auto& c : kAdpcmStandardCoefficients) {
        Put16(o, static_cast<std::uint16_t>(c.coef1));
        Put16(o, static_cast<std::uint16_t>(c.coef2));
    }
    PutId(o, "fact");
    Put32(o, 4);
    Put32(o, static_cast<std::uint32_t>(samples.size()));
    PutId(o, "data");
    Put32(o, dataSize);
    o.insert(o.end(), payload.begin(), payload.end());
    if (dataSize & 1) o.push_back(0);
    return o;
}

} // namespace nk
