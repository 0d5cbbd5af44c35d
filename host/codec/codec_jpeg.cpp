// JPEG reading through libjpeg-turbo. The library's fatal errors jump back here through
// a custom error manager instead of ending the process; every object that lives across
// the jump is on the heap, created before the jump point and released afterwards.
#include "host/codec/codec.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace nk {
namespace {

constexpr long kMaxJpegWorkingBytes = 512L << 20;

struct JpegState {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
    bool created = false;
    bool truncated = false;
    const std::uint8_t* data = nullptr;
    unsigned long size = 0;
    std::vector<std::uint8_t> row;
    Image image;
    ~JpegState() {
        if (created) jpeg_destroy_decompress(&info);
    }
};

[[noreturn]] void OnFatalError(j_common_ptr info) {
    auto* state = reinterpret_cast<JpegState*>(info->client_data);
    (*info->err->format_message)(info, state->message);
    std::longjmp(state->jump, 1);
}

// Warnings are not printed; running out of data is remembered, since the library
// would otherwise fill the missing rows with grey and call the picture good.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<JpegState*>(info->client_data)->truncated = true;
}

std::uint32_t Opaque(unsigned r, unsigned g, unsigned b) {
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// Runs one step of the decode; false when the library reported a fatal error. The jump
// lands here, in a frame without C++ objects, and the steps keep their state in `s`.
bool Guarded(JpegState* s, void (*step)(JpegState*)) {
    if (setjmp(s->jump)) return false;
    step(s);
    return true;
}

void ReadHeader(JpegState* s) {
    jpeg_create_decompress(&s->info);
    s->created = true;
    jpeg_mem_src(&s->info, s->data, s->size);
    jpeg_read_header(&s->info, TRUE);
    // The library's own working memory (a progressive file keeps every coefficient of
    // the picture) is bounded too: beyond it the library fails with a message.
    s->info.mem->max_memory_to_use = kMaxJpegWorkingBytes;
}

void ReadPixels(JpegState* s) {
    bool grey = s->info.jpeg_color_space == JCS_GRAYSCALE;
    s->info.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&s->info);
    int channels = s->info.output_components;
    s->image =
        Image(static_cast<int>(s->info.output_width), static_cast<int>(s->info.output_height));
    s->image.bitsPerPixel = grey ? 8 : 24;
    s->row.resize(static_cast<std::size_t>(s->info.output_width) *
                  static_cast<std::size_t>(channels));
    while (s->info.output_scanline < s->info.output_height && !s->truncated) {
        JDIMENSION y = s->info.output_scanline;
        JSAMPROW rows[1] = {s->row.data()};
        if (jpeg_read_scanlines(&s->info, rows, 1) != 1) break;
        std::uint32_t* dst = s->image.pixels.data() + static_cast<std::size_t>(y) * s->image.width;
        const std::uint8_t* src = s->row.data();
        for (int x = 0; x < s->image.width; ++x)
            dst[x] = channels == 1 ? Opaque(src[x], src[x], src[x])
                                   : Opaque(src[3 * x], src[3 * x + 1], src[3 * x + 2]);
    }
    if (!s->truncated) jpeg_finish_decompress(&s->info);
}

} // namespace

DecodeResult DecodeJpeg(std::span<const std::uint8_t> data, const std::string& source) {
    DecodeResult result;
    auto fail = [&](const std::string& what) {
        result.error = source + ": " + what;
        return result;
    };
    if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return fail("not a JPEG file (no start-of-image marker)");
    auto state = std::make_unique<JpegState>();
    JpegState* s = state.get();
    s->data = data.data();
    s->size = static_cast<unsigned long>(data.size());
    s->info.err = jpeg_std_error(&s->errors);
    s->errors.error_exit = OnFatalError;
    s->errors.emit_message = OnMessage;
    s->info.client_data = s;
    if (!Guarded(s, ReadHeader)) return fail(std::string("bad JPEG data: ") + s->message);
    JDIMENSION w = s->info.image_width, h = s->info.image_height;
    std::string size = std::to_string(w) + " x " + std::to_string(h);
    if (std::string problem = PictureSizeProblem(w, h); !problem.empty()) return fail(problem);
    // A block of 8 x 8 pixels takes at least a few bits: a file far too small for the
    // size it claims is refused before the pixel memory is taken.
    if (static_cast<std::uint64_t>(data.size()) * 4096 < static_cast<std::uint64_t>(w) * h)
        return fail("truncated pixel data: " + std::to_string(data.size()) + " bytes cannot hold " +
                    size + " pixels");
    if (!Guarded(s, ReadPixels)) return fail(std::string("bad JPEG data: ") + s->message);
    if (s->truncated) return fail("truncated JPEG data: the file ends before the last row");
    result.image = std::move(s->image);
    return result;
}

} // namespace nk
