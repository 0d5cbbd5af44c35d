// GIF reading through giflib: the first frame, placed on the logical screen, with the
// frame's transparent colour (and everything outside the frame) see-through.
#include "host/codec/codec.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace nk {
namespace {

struct MemoryReader {
    std::span<const std::uint8_t> data;
    std::size_t pos = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    if (length <= 0) return 0;
    std::size_t n = std::min(static_cast<std::size_t>(length), reader->data.size() - reader->pos);
    if (n) std::memcpy(buffer, reader->data.data() + reader->pos, n);
    reader->pos += n;
    return static_cast<int>(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int err = 0;
        DGifCloseFile(gif, &err);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

// Compressed GIF data cannot expand beyond a few thousand pixels a byte; a size claim
// far beyond that is a lie about the data.
constexpr std::uint64_t kMaxPixelsPerByte = 4096;

std::string SizeProblem(std::int64_t w, std::int64_t h, std::size_t dataSize) {
    if (std::string problem = PictureSizeProblem(w, h); !problem.empty()) return problem;
    if (static_cast<std::uint64_t>(w) * static_cast<std::uint64_t>(h) >
        static_cast<std::uint64_t>(dataSize) * kMaxPixelsPerByte)
        return "truncated pixel data: " + std::to_string(dataSize) + " bytes cannot hold " +
               std::to_string(w) + " x " + std::to_string(h) + " pixels";
    return {};
}

// giflib's words for an error code. It has no words for some codes, and a read that
// runs out of data can fail without setting any.
std::string GifProblem(int code) {
    if (code == 0) return "the data ends early or is damaged";
    const char* words = GifErrorString(code);
    return words != nullptr ? std::string(words) : "error " + std::to_string(code);
}

// Reads the rows of the current frame into `indices` (width x height), in the
// interlaced order when the frame is interlaced.
bool ReadFrameRows(GifFileType* gif, int w, int h, std::vector<GifPixelType>& indices) {
    indices.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    auto readRow = [&](int y) {
        return DGifGetLine(gif, indices.data() + static_cast<std::size_t>(y) * w, w) == GIF_OK;
    };
    if (!gif->Image.Interlace) {
        for (int y = 0; y < h; ++y)
            if (!readRow(y)) return false;
        return true;
    }
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < h; y += kStep[pass])
            if (!readRow(y)) return false;
    return true;
}

} // namespace

DecodeResult DecodeGif(std::span<const std::uint8_t> data, const std::string& source) {
    DecodeResult result;
    auto fail = [&](const std::string& what) {
        result.error = source + ": " + what;
        return result;
    };
    if (data.size() < 13 || std::memcmp(data.data(), "GIF8", 4) != 0)
        return fail("not a GIF file (bad signature or truncated header)");
    MemoryReader reader{data, 0};
    int err = 0;
    GifHandle gif(DGifOpen(&reader, ReadFromMemory, &err));
    if (!gif) return fail("bad GIF header: " + GifProblem(err));

    int transparent = -1;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) != GIF_OK)
            return fail(std::string("truncated or damaged GIF data: ") + GifProblem(gif->Error));
        if (type == TERMINATE_RECORD_TYPE) return fail("GIF file holds no image");
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* ext = nullptr;
            if (DGifGetExtension(gif.get(), &code, &ext) != GIF_OK)
                return fail(std::string("damaged GIF extension: ") + GifProblem(gif->Error));
            if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4 && (ext[1] & 1))
                transparent = ext[4];
            while (ext) {
                if (DGifGetExtensionNext(gif.get(), &ext) != GIF_OK)
                    return fail(std::string("damaged GIF extension: ") + GifProblem(gif->Error));
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) continue;
        if (DGifGetImageDesc(gif.get()) != GIF_OK)
            return fail(std::string("damaged GIF image descriptor: ") + GifProblem(gif->Error));
        break;
    }

    const GifImageDesc& frame = gif->Image;
    std::string problem = SizeProblem(frame.Width, frame.Height, data.size());
    if (!problem.empty()) return fail(problem);
    std::int64_t canvasW = gif->SWidth > 0 ? gif->SWidth : frame.Left + frame.Width;
    std::int64_t canvasH = gif->SHeight > 0 ? gif->SHeight : frame.Top + frame.Height;
    problem = SizeProblem(canvasW, canvasH, data.size());
    if (!problem.empty()) return fail(problem);
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map) return fail("GIF image has no colour table");

    std::vector<GifPixelType> indices;
    if (!ReadFrameRows(gif.get(), frame.Width, frame.Height, indices))
        return fail(std::string("truncated or damaged GIF pixel data: ") + GifProblem(gif->Error));

    Image out(static_cast<int>(canvasW), static_cast<int>(canvasH), 0x00000000u);
    out.bitsPerPixel = 8;
    for (int y = 0; y < frame.Height; ++y) {
        std::int64_t cy = static_cast<std::int64_t>(frame.Top) + y;
        if (cy < 0 || cy >= canvasH) continue;
        for (int x = 0; x < frame.Width; ++x) {
            std::int64_t cx = static_cast<std::int64_t>(frame.Left) + x;
            if (cx < 0 || cx >= canvasW) continue;
            int index = indices[static_cast<std::size_t>(y) * frame.Width + x];
            std::uint32_t pixel = 0xFF000000u;
            if (index < map->ColorCount) {
                const GifColorType& c = map->Colors[index];
                pixel |= (static_cast<std::uint32_t>(c.Red) << 16) |
                         (static_cast<std::uint32_t>(c.Green) << 8) | c.Blue;
            }
            if (index == transparent) pixel &= 0x00FFFFFFu;
            out.At(static_cast<int>(cx), static_cast<int>(cy)) = pixel;
        }
    }
    result.image = std::move(out);
    return result;
}

} // namespace nk
