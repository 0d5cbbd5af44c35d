#include "host/surface/raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace nk::raster {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// Quotients rounded down and up, for a positive divisor.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b) != 0 && a < 0) --q;
    return q;
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return -FloorDiv(-a, b);
}

// Linear blend of two pixels, channel by channel: w in 0..256 is the weight of b.
inline std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t w) {
    const std::uint32_t iw = 256 - w;
    const std::uint32_t rb = (((a & 0x00FF00FFu) * iw + (b & 0x00FF00FFu) * w) >> 8) & 0x00FF00FFu;
    const std::uint32_t ag =
        (((a >> 8) & 0x00FF00FFu) * iw + ((b >> 8) & 0x00FF00FFu) * w) & 0xFF00FF00u;
    return rb | ag;
}

// A pixel whose alpha is 0x80 or more is written opaque; the others leave `dst`.
inline std::uint32_t Over(std::uint32_t src, std::uint32_t dst) {
    const std::uint32_t m = static_cast<std::uint32_t>(static_cast<std::int32_t>(src) >> 31);
    return ((src | kOpaque) & m) | (dst & ~m);
}

// Whether every pixel of a run is opaque enough to be copied as it is (alpha 0xFF).
inline bool AllOpaque(const std::uint32_t* s, std::size_t n) {
    std::uint32_t all = kOpaque;
    for (std::size_t i = 0; i < n; ++i)
        all &= s[i];
    return (all & kOpaque) == kOpaque;
}

// Copies a run of pixels by the see-through rule. Runs whose pixels are all opaque, the
// usual case, go through memcpy a cache-sized chunk at a time.
void CopyRow(std::uint32_t* d, const std::uint32_t* s, std::size_t n) {
    constexpr std::size_t kChunk = 256;
    for (std::size_t at = 0; at < n; at += kChunk) {
        const std::size_t len = std::min(kChunk, n - at);
        if (AllOpaque(s + at, len)) {
            std::memcpy(d + at, s + at, len * 4);
            continue;
        }
        for (std::size_t i = at; i < at + len; ++i)
            d[i] = Over(s[i], d[i]);
    }
}

// Walks the Bresenham path from (x0, y0) towards (x1, y1), the end point left out, over
// the steps whose pixels lie inside `box`, calling plot(x, y) for each. The minor
// coordinate of step i is the nearest to the exact line, halves rounded away from the
// start: q(i) = floor((2 i b + a) / (2 a)). Clipping is solved in closed form, so a line
// that reaches far outside costs no more than its visible part.
template <class Plot>
void WalkPath(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, const Box& box,
              Plot&& plot) {
    const std::int64_t dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const std::int64_t dy = y1 > y0 ? y1 - y0 : y0 - y1;
    const std::int64_t sx = x1 >= x0 ? 1 : -1;
    const std::int64_t sy = y1 >= y0 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const std::int64_t a = xMajor ? dx : dy;
    const std::int64_t b = xMajor ? dy : dx;
    if (a == 0) return;
    const std::int64_t m0 = xMajor ? x0 : y0, n0 = xMajor ? y0 : x0;
    const std::int64_t sm = xMajor ? sx : sy, sn = xMajor ? sy : sx;
    const std::int64_t mlo = xMajor ? box.x0 : box.y0, mhi = (xMajor ? box.x1 : box.y1) - 1;
    const std::int64_t nlo = xMajor ? box.y0 : box.x0, nhi = (xMajor ? box.y1 : box.x1) - 1;

    std::int64_t ilo = 0, ihi = a - 1;
    if (sm > 0) {
        ilo = std::max(ilo, mlo - m0);
        ihi = std::min(ihi, mhi - m0);
    } else {
        ilo = std::max(ilo, m0 - mhi);
        ihi = std::min(ihi, m0 - mlo);
    }
    const std::int64_t qlo = sn > 0 ? nlo - n0 : n0 - nhi;
    const std::int64_t qhi = sn > 0 ? nhi - n0 : n0 - nlo;
    if (qhi < 0 || qlo > b) return;
    if (b > 0) {
        ilo = std::max(ilo, CeilDiv(2 * a * qlo - a, 2 * b));
        ihi = std::min(ihi, FloorDiv(2 * a * (qhi + 1) - a - 1, 2 * b));
    }
    if (ilo > ihi) return;

    const std::int64_t twoA = 2 * a, twoB = 2 * b;
    const std::int64_t num = twoB * ilo + a;
    std::int64_t q = num / twoA, r = num % twoA;
    for (std::int64_t i = ilo; i <= ihi; ++i) {
        const std::int64_t m = m0 + sm * i, n = n0 + sn * q;
        if (xMajor)
            plot(m, n);
        else
            plot(n, m);
        r += twoB;
        if (r >= twoA) {
            ++q;
            r -= twoA;
        }
    }
}

// A round brush of `width` pixels: for each of its rows, the first and last column
// offset from the path pixel it is stamped on. Even widths lean right and down.
struct Brush {
    int lo = 0; // offset of the first row and column
    std::vector<std::int64_t> left, right;
    explicit Brush(int width) : lo(-(width - 1) / 2), left(width), right(width) {
        // Row ky covers the columns kx with (kx - c)^2 + (ky - c)^2 <= (width / 2)^2.
        const double c = (width - 1) / 2.0, r2 = width * static_cast<double>(width) / 4.0;
        for (int ky = 0; ky < width; ++ky) {
            const double dy = ky - c;
            const double half = std::sqrt(std::max(0.0, r2 - dy * dy));
            std::int64_t first = static_cast<std::int64_t>(std::ceil(c - half - 1e-9));
            std::int64_t last = static_cast<std::int64_t>(std::floor(c + half + 1e-9));
            first = std::clamp<std::int64_t>(first, 0, width - 1);
            last = std::clamp<std::int64_t>(last, first, width - 1);
            left[ky] = first + lo;
            right[ky] = last + lo;
        }
    }
};

void ThickLine(const View& v, const Box& clip, std::int64_t x0, std::int64_t y0, std::int64_t x1,
               std::int64_t y1, std::uint32_t color, int width) {
    const Brush brush(width);
    const std::int64_t rows = clip.y1 - clip.y0;
    std::vector<std::int64_t> minX(rows, std::numeric_limits<std::int64_t>::max());
    std::vector<std::int64_t> maxX(rows, std::numeric_limits<std::int64_t>::min());
    const Box reach{clip.x0 - width, clip.y0 - width, clip.x1 + width, clip.y1 + width};
    // Each stamp of the brush covers a contiguous run of columns in every row it touches,
    // and the stamps along the path overlap, so each row of the stroke is one span.
    WalkPath(x0, y0, x1, y1, reach, [&](std::int64_t px, std::int64_t py) {
        const std::int64_t kFirst = std::max<std::int64_t>(0, clip.y0 - py - brush.lo);
        const std::int64_t kLast = std::min<std::int64_t>(width - 1, clip.y1 - 1 - py - brush.lo);
        for (std::int64_t k = kFirst; k <= kLast; ++k) {
            const std::int64_t row = py + brush.lo + k - clip.y0;
            minX[row] = std::min(minX[row], px + brush.left[k]);
            maxX[row] = std::max(maxX[row], px + brush.right[k]);
        }
    });
    for (std::int64_t row = 0; row < rows; ++row) {
        if (minX[row] > maxX[row]) continue;
        FillBox(v, clip, {minX[row], clip.y0 + row, maxX[row] + 1, clip.y0 + row + 1}, color);
    }
}

// The widest pen drawn; wider requests draw at this width.
constexpr int kMaxPen = 32767;

int Pen(int width) {
    return std::clamp(width, 1, kMaxPen);
}

// Pen offsets for rectangles, the same as the brush's: a pen of w pixels covers the
// offsets lo .. lo + w - 1 around the outline.
struct PenBand {
    std::int64_t lo, hi;
    explicit PenBand(int width) : lo((width - 1) / 2), hi(width - 1 - (width - 1) / 2) {}
};

Box OrderedBox(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

// A monotonic stand-in for the angle of (x, y), y pointing up: 0 at +x, 1 at +y, 2 at -x,
// 3 at -y, approaching 4 below +x. Comparing these orders directions as their angles do.
inline double PseudoAngle(double x, double y) {
    const double d = std::fabs(x) + std::fabs(y);
    if (d == 0) return 0;
    const double p = y / d;
    if (x < 0) return 2 - p;
    if (y < 0) return 4 + p;
    return p;
}

double NormaliseAngle(double a) {
    constexpr double kTwoPi = 6.283185307179586;
    if (a >= 0 && a <= kTwoPi) return a;
    a = std::fmod(a, kTwoPi);
    if (a < 0) a += kTwoPi;
    return a;
}

double PseudoOfAngle(double a) {
    constexpr double kTwoPi = 6.283185307179586;
    if (a >= kTwoPi) return 4;
    return PseudoAngle(std::cos(a), std::sin(a));
}

// Whether a pixel offset from the centre (screen y down) lies on an arc.
struct ArcTest {
    bool all = true;
    double ps = 0, pe = 4;
    explicit ArcTest(const ArcRange* arc) {
        if (!arc) return;
        all = false;
        double s = NormaliseAngle(arc->start);
        const double e = NormaliseAngle(arc->end);
        if (s >= 6.283185307179586) s = 0;
        ps = PseudoOfAngle(s);
        pe = PseudoOfAngle(e);
    }
    bool operator()(std::int64_t dx, std::int64_t dy) const {
        if (all) return true;
        const double p = PseudoAngle(static_cast<double>(dx), static_cast<double>(-dy));
        return ps <= pe ? (p >= ps && p <= pe) : (p >= ps || p <= pe);
    }
};

void ThinCircle(const View& v, const Box& clip, std::int64_t cx, std::int64_t cy, double r,
                std::uint32_t color, const ArcTest& onArc) {
    const double r2 = r * r;
    auto u = [r2](std::int64_t t) -> std::int64_t {
        const double s = r2 - static_cast<double>(t) * static_cast<double>(t);
        return s <= 0 ? 0 : std::llround(std::sqrt(s));
    };
    // The octant runs while t <= u(t).
    std::int64_t tMax = static_cast<std::int64_t>(std::floor(r / std::sqrt(2.0)));
    while (tMax > 0 && tMax > u(tMax))
        --tMax;
    while (tMax + 1 <= u(tMax + 1))
        ++tMax;

    for (int mirror = 0; mirror < 8; ++mirror) {
        const bool swap = (mirror & 4) != 0;
        const std::int64_t sx = (mirror & 1) ? -1 : 1, sy = (mirror & 2) ? -1 : 1;
        // t moves the coordinate it is attached to linearly: clip that one in closed form.
        const std::int64_t c0 = swap ? cy : cx;
        const std::int64_t s = swap ? sy : sx;
        const std::int64_t lo = swap ? clip.y0 : clip.x0, hi = (swap ? clip.y1 : clip.x1) - 1;
        std::int64_t tlo = 0, thi = tMax;
        if (s > 0) {
            tlo = std::max(tlo, lo - c0);
            thi = std::min(thi, hi - c0);
        } else {
            tlo = std::max(tlo, c0 - hi);
            thi = std::min(thi, c0 - lo);
        }
        for (std::int64_t t = tlo; t <= thi; ++t) {
            const std::int64_t uu = u(t);
            const std::int64_t dx = swap ? sx * uu : sx * t;
            const std::int64_t dy = swap ? sy * t : sy * uu;
            const std::int64_t px = cx + dx, py = cy + dy;
            if (px < clip.x0 || px >= clip.x1 || py < clip.y0 || py >= clip.y1) continue;
            if (!onArc(dx, dy)) continue;
            v.Row(py)[px] = color;
        }
    }
}

// A ring `width` pixels wide centred on the circle: the pixels whose distance from the
// centre lies in [r - width/2, r + width/2).
void RingCircle(const View& v, const Box& clip, std::int64_t cx, std::int64_t cy, double r,
                std::uint32_t color, int width, const ArcTest& onArc) {
    const double ro = r + width / 2.0, ri = std::max(0.0, r - width / 2.0);
    const double ro2 = ro * ro, ri2 = ri * ri;
    const std::int64_t reach = static_cast<std::int64_t>(std::ceil(ro));
    const std::int64_t yFirst = std::max(clip.y0, cy - reach);
    const std::int64_t yLast = std::min(clip.y1 - 1, cy + reach);
    for (std::int64_t y = yFirst; y <= yLast; ++y) {
        const double dy = static_cast<double>(y - cy), dy2 = dy * dy;
        if (dy2 >= ro2) continue;
        // Largest |dx| with dx^2 + dy^2 < ro^2, smallest with dx^2 + dy^2 >= ri^2.
        std::int64_t xo = static_cast<std::int64_t>(std::ceil(std::sqrt(ro2 - dy2))) - 1;
        while (static_cast<double>(xo + 1) * (xo + 1) + dy2 < ro2)
            ++xo;
        while (xo >= 0 && static_cast<double>(xo) * xo + dy2 >= ro2)
            --xo;
        if (xo < 0) continue;
        std::int64_t xi = 0;
        if (dy2 < ri2) {
            xi = static_cast<std::int64_t>(std::ceil(std::sqrt(ri2 - dy2)));
            while (xi > 0 && static_cast<double>(xi - 1) * (xi - 1) + dy2 >= ri2)
                --xi;
            while (static_cast<double>(xi) * xi + dy2 < ri2)
                ++xi;
        }
        if (xi > xo) continue;
        std::uint32_t* row = v.Row(y);
        auto span = [&](std::int64_t from, std::int64_t to) { // inclusive
            from = std::max(from, clip.x0);
            to = std::min(to, clip.x1 - 1);
            for (std::int64_t x = from; x <= to; ++x)
                if (onArc(x - cx, y - cy)) row[x] = color;
        };
        if (xi == 0) {
            span(cx - xo, cx + xo);
        } else {
            span(cx - xo, cx - xi);
            span(cx + xi, cx + xo);
        }
    }
}

// The column (or row) of the source each destination column samples, centre on centre,
// for the visible columns [first, first + n) of a destination `dstSize` wide.
void NearestTable(std::int64_t first, std::int64_t n, std::int64_t dstSize, std::int64_t srcSize,
                  std::int32_t* out) {
    const std::int64_t den = 2 * dstSize;
    std::int64_t num = (2 * first + 1) * srcSize;
    std::int64_t q = num / den, r = num % den;
    const std::int64_t stepQ = (2 * srcSize) / den, stepR = (2 * srcSize) % den;
    for (std::int64_t i = 0; i < n; ++i) {
        out[i] = static_cast<std::int32_t>(q);
        q += stepQ;
        r += stepR;
        if (r >= den) {
            ++q;
            r -= den;
        }
    }
}

struct Sample {
    std::int32_t i0, i1;
    std::uint32_t w; // weight of i1, 0..255
};

void BilinearTable(std::int64_t first, std::int64_t n, std::int64_t dstSize, std::int64_t srcSize,
                   Sample* out) {
    const double scale = static_cast<double>(srcSize) / static_cast<double>(dstSize);
    for (std::int64_t i = 0; i < n; ++i) {
        const double pos = (static_cast<double>(first + i) + 0.5) * scale - 0.5;
        const double base = std::floor(pos);
        std::int64_t i0 = static_cast<std::int64_t>(base);
        std::uint32_t w = static_cast<std::uint32_t>((pos - base) * 256.0);
        if (w > 255) w = 255;
        std::int64_t i1 = i0 + 1;
        if (i0 < 0) {
            i0 = i1 = 0;
            w = 0;
        } else if (i1 >= srcSize) {
            i0 = i1 = srcSize - 1;
            w = 0;
        }
        out[i] = {static_cast<std::int32_t>(i0), static_cast<std::int32_t>(i1), w};
    }
}

// dst[i] = Over(Lerp(a[i], b[i], w), dst[i]).
void VerticalBlend(std::uint32_t* dst, const std::uint32_t* a, const std::uint32_t* b,
                   std::uint32_t w, std::size_t n) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i wb = _mm_set1_epi16(static_cast<short>(w));
    const __m128i wa = _mm_set1_epi16(static_cast<short>(256 - w));
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
    for (; i + 4 <= n; i += 4) {
        const __m128i pa = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i pb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i lo =
            _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(pa, zero), wa),
                                         _mm_mullo_epi16(_mm_unpacklo_epi8(pb, zero), wb)),
                           8);
        const __m128i hi =
            _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(pa, zero), wa),
                                         _mm_mullo_epi16(_mm_unpackhi_epi8(pb, zero), wb)),
                           8);
        const __m128i p = _mm_packus_epi16(lo, hi);
        const __m128i mask = _mm_srai_epi32(p, 31);
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        const __m128i out =
            _mm_or_si128(_mm_and_si128(_mm_or_si128(p, opaque), mask), _mm_andnot_si128(mask, d));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), out);
    }
#endif
    for (; i < n; ++i)
        dst[i] = Over(Lerp(a[i], b[i], w), dst[i]);
}

// Each source pixel twice: destination columns [first, first + n) of a picture stretched
// to exactly twice its width (the double-size picture mode).
void DoublePixels(std::uint32_t* out, const std::uint32_t* src, std::int64_t first, std::size_t n) {
    std::size_t j = 0;
    if (first & 1) {
        out[j++] = src[first / 2];
        ++first;
    }
    const std::uint32_t* sp = src + first / 2;
#if defined(__SSE2__)
    for (; j + 8 <= n; j += 8, sp += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sp));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + j), _mm_unpacklo_epi32(p, p));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + j + 4), _mm_unpackhi_epi32(p, p));
    }
#endif
    for (; j + 2 <= n; j += 2, ++sp)
        out[j] = out[j + 1] = *sp;
    if (j < n) out[j] = *sp;
}

// Horizontal bilinear samples: each destination column blends source columns i and i + 1
// with weight w (0..256) on the second. Both columns always lie inside the row, so the
// blend can load them as one pair.
struct AcrossTable {
    std::vector<std::int32_t> index;
    std::vector<std::uint32_t> weight;
#if defined(__SSE2__)
    // (256 - w) x 4 for the first pixel's channels, w x 4 for the second's.
    struct alignas(16) Weights {
        std::int16_t lanes[8];
    };
    std::vector<Weights> weights;
#endif
    AcrossTable(std::int64_t first, std::int64_t n, std::int64_t dstSize, std::int64_t srcSize)
        : index(static_cast<std::size_t>(n)), weight(static_cast<std::size_t>(n)) {
        const double scale = static_cast<double>(srcSize) / static_cast<double>(dstSize);
        for (std::int64_t i = 0; i < n; ++i) {
            const double pos = (static_cast<double>(first + i) + 0.5) * scale - 0.5;
            const double base = std::floor(pos);
            std::int64_t i0 = static_cast<std::int64_t>(base);
            std::uint32_t w =
                std::min<std::uint32_t>(255, static_cast<std::uint32_t>((pos - base) * 256.0));
            if (i0 < 0) {
                i0 = 0;
                w = 0;
            } else if (i0 >= srcSize - 1) {
                i0 = srcSize >= 2 ? srcSize - 2 : 0;
                w = srcSize >= 2 ? 256 : 0;
            }
            index[i] = static_cast<std::int32_t>(i0);
            weight[i] = w;
        }
#if defined(__SSE2__)
        weights.resize(static_cast<std::size_t>(n));
        for (std::int64_t i = 0; i < n; ++i) {
            const auto w = static_cast<short>(weight[i]), iw = static_cast<short>(256 - weight[i]);
            for (int k = 0; k < 4; ++k) {
                weights[i].lanes[k] = iw;
                weights[i].lanes[k + 4] = w;
            }
        }
#endif
    }

#if defined(__SSE2__)
    static __m128i Load(const Weights& w) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(w.lanes));
    }
#endif

    void Run(const std::uint32_t* src, int srcWidth, std::uint32_t* out) const {
        const std::size_t n = index.size();
        std::size_t i = 0;
#if defined(__SSE2__)
        if (srcWidth >= 2) {
            const __m128i zero = _mm_setzero_si128();
            for (; i + 2 <= n; i += 2) {
                const __m128i p0 =
                    _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src + index[i]));
                const __m128i p1 =
                    _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src + index[i + 1]));
                const __m128i m0 = _mm_mullo_epi16(_mm_unpacklo_epi8(p0, zero), Load(weights[i]));
                const __m128i m1 =
                    _mm_mullo_epi16(_mm_unpacklo_epi8(p1, zero), Load(weights[i + 1]));
                const __m128i sum = _mm_srli_epi16(
                    _mm_add_epi16(_mm_unpacklo_epi64(m0, m1), _mm_unpackhi_epi64(m0, m1)), 8);
                _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(sum, zero));
            }
        }
#else
        (void)srcWidth;
#endif
        for (; i < n; ++i) {
            const std::uint32_t w = weight[i];
            out[i] = w ? Lerp(src[index[i]], src[index[i] + 1], w) : src[index[i]];
        }
    }
};

// Shrinking by more than half: each destination pixel is the average of the source
// pixels its area covers (at least one in each direction).
void StretchArea(const View& v, const Box& clip, const Source& s, const Box& dst) {
    const std::int64_t dw = dst.x1 - dst.x0, dh = dst.y1 - dst.y0;
    auto range = [](std::int64_t i, std::int64_t d, std::int64_t sz, std::int64_t& from,
                    std::int64_t& to) {
        from = (i * sz) / d;
        to = ((i + 1) * sz + d - 1) / d;
        if (to <= from) to = from + 1;
        if (to > sz) to = sz;
        if (from >= to) from = to - 1;
    };
    const std::int64_t n = clip.x1 - clip.x0;
    std::vector<std::int64_t> cx0(n), cx1(n);
    for (std::int64_t i = 0; i < n; ++i)
        range(clip.x0 - dst.x0 + i, dw, s.width, cx0[i], cx1[i]);
    for (std::int64_t y = clip.y0; y < clip.y1; ++y) {
        std::int64_t ry0, ry1;
        range(y - dst.y0, dh, s.height, ry0, ry1);
        std::uint32_t* out = v.Row(y) + clip.x0;
        for (std::int64_t i = 0; i < n; ++i) {
            std::uint64_t sum[4] = {0, 0, 0, 0};
            for (std::int64_t sy = ry0; sy < ry1; ++sy) {
                const std::uint32_t* src = s.Row(sy);
                for (std::int64_t sx = cx0[i]; sx < cx1[i]; ++sx) {
                    const std::uint32_t p = src[sx];
                    sum[0] += p & 0xFF;
                    sum[1] += (p >> 8) & 0xFF;
                    sum[2] += (p >> 16) & 0xFF;
                    sum[3] += p >> 24;
                }
            }
            const std::uint64_t count = static_cast<std::uint64_t>((ry1 - ry0) * (cx1[i] - cx0[i]));
            const std::uint64_t half = count / 2;
            const std::uint32_t p = static_cast<std::uint32_t>(
                ((sum[0] + half) / count) | (((sum[1] + half) / count) << 8) |
                (((sum[2] + half) / count) << 16) | (((sum[3] + half) / count) << 24));
            out[i] = Over(p, out[i]);
        }
    }
}

} // namespace

Box Intersect(const Box& a, const Box& b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

void FillBox(const View& v, const Box& clip, Box b, std::uint32_t color) {
    b = Intersect(Intersect(b, clip), v.Bounds());
    if (b.Empty()) return;
    const std::size_t n = static_cast<std::size_t>(b.x1 - b.x0);
    std::uint32_t* p = v.Row(b.y0) + b.x0;
    if (n == 1) { // a column: no call per row
        for (std::int64_t y = b.y0; y < b.y1; ++y, p += v.stride)
            *p = color;
        return;
    }
    for (std::int64_t y = b.y0; y < b.y1; ++y, p += v.stride)
        std::fill_n(p, n, color);
}

std::optional<Box> StraightLineBox(std::int64_t x0, std::int64_t y0, std::int64_t x1,
                                   std::int64_t y1) {
    if (x0 == x1 && y0 == y1) return std::nullopt;
    if (y0 == y1) return x1 > x0 ? Box{x0, y0, x1, y0 + 1} : Box{x1 + 1, y0, x0 + 1, y0 + 1};
    if (x0 == x1) return y1 > y0 ? Box{x0, y0, x0 + 1, y1} : Box{x0, y1 + 1, x0 + 1, y0 + 1};
    return std::nullopt;
}

FrameBoxes FrameOf(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                   int penWidth) {
    const Box r = OrderedBox(x0, y0, x1, y1);
    const PenBand pen(Pen(penWidth));
    return {{r.x0 - pen.lo, r.y0 - pen.lo, r.x1 + pen.hi + 1, r.y1 + pen.hi + 1},
            {r.x0 + pen.hi + 1, r.y0 + pen.hi + 1, r.x1 - pen.lo, r.y1 - pen.lo}};
}

int BrushOffset(int penWidth) {
    return -(Pen(penWidth) - 1) / 2;
}

void DrawLine(const View& v, const Box& clip0, std::int64_t x0, std::int64_t y0, std::int64_t x1,
              std::int64_t y1, std::uint32_t color, int penWidth) {
    const Box clip = Intersect(clip0, v.Bounds());
    if (clip.Empty() || (x0 == x1 && y0 == y1)) return;
    penWidth = Pen(penWidth);
    if (penWidth > 1) {
        ThickLine(v, clip, x0, y0, x1, y1, color, penWidth);
        return;
    }
    if (const std::optional<Box> straight = StraightLineBox(x0, y0, x1, y1)) {
        FillBox(v, clip, *straight, color);
        return;
    }
    WalkPath(x0, y0, x1, y1, clip, [&](std::int64_t x, std::int64_t y) { v.Row(y)[x] = color; });
}

void DrawFrame(const View& v, const Box& clip0, std::int64_t x0, std::int64_t y0, std::int64_t x1,
               std::int64_t y1, std::uint32_t color, int penWidth) {
    const Box clip = Intersect(clip0, v.Bounds());
    if (clip.Empty()) return;
    const auto [outer, inner] = FrameOf(x0, y0, x1, y1, penWidth);
    if (inner.Empty()) {
        FillBox(v, clip, outer, color);
        return;
    }
    FillBox(v, clip, {outer.x0, outer.y0, outer.x1, inner.y0}, color);
    FillBox(v, clip, {outer.x0, inner.y1, outer.x1, outer.y1}, color);
    FillBox(v, clip, {outer.x0, inner.y0, inner.x0, inner.y1}, color);
    FillBox(v, clip, {inner.x1, inner.y0, outer.x1, inner.y1}, color);
}

void FillFrame(const View& v, const Box& clip, std::int64_t x0, std::int64_t y0, std::int64_t x1,
               std::int64_t y1, std::uint32_t color, int penWidth) {
    FillBox(v, clip, FrameOf(x0, y0, x1, y1, penWidth).outer, color);
}

void DrawCircle(const View& v, const Box& clip0, std::int64_t cx, std::int64_t cy, double r,
                std::uint32_t color, int penWidth, const ArcRange* arc) {
    const Box clip = Intersect(clip0, v.Bounds());
    if (clip.Empty() || !(r >= 0)) return;
    r = std::min(r, static_cast<double>(4 * kCoordLimit));
    const ArcTest onArc(arc);
    penWidth = Pen(penWidth);
    if (penWidth > 1)
        RingCircle(v, clip, cx, cy, r, color, penWidth, onArc);
    else
        ThinCircle(v, clip, cx, cy, r, color, onArc);
}

bool IsOpaque(const Source& s) {
    for (int y = 0; y < s.height; ++y)
        if (!AllOpaque(s.Row(y), static_cast<std::size_t>(s.width))) return false;
    return true;
}

void Blit(const View& v, const Box& clip, const Source& s, std::int64_t x, std::int64_t y) {
    const Box b = Intersect(Intersect(clip, v.Bounds()), {x, y, x + s.width, y + s.height});
    if (b.Empty()) return;
    const std::size_t n = static_cast<std::size_t>(b.x1 - b.x0);
    if (s.opaque) {
        const std::uint32_t* from = s.Row(b.y0 - y) + (b.x0 - x);
        std::uint32_t* to = v.Row(b.y0) + b.x0;
        const std::size_t rows = static_cast<std::size_t>(b.y1 - b.y0);
        if (n == static_cast<std::size_t>(v.stride) && n == static_cast<std::size_t>(s.stride)) {
            std::memcpy(to, from, n * rows * 4); // whole rows on both sides: one block
            return;
        }
        for (std::size_t row = 0; row < rows; ++row, from += s.stride, to += v.stride)
            std::memcpy(to, from, n * 4);
        return;
    }
    for (std::int64_t row = b.y0; row < b.y1; ++row)
        CopyRow(v.Row(row) + b.x0, s.Row(row - y) + (b.x0 - x), n);
}

void StretchNearest(const View& v, const Box& clip0, const Source& s, const Box& dst) {
    const Box clip = Intersect(Intersect(clip0, v.Bounds()), dst);
    if (clip.Empty() || s.width <= 0 || s.height <= 0) return;
    const std::int64_t n = clip.x1 - clip.x0;
    std::vector<std::int32_t> cols(static_cast<std::size_t>(n));
    NearestTable(clip.x0 - dst.x0, n, dst.x1 - dst.x0, s.width, cols.data());
    const bool doubled = dst.x1 - dst.x0 == 2 * static_cast<std::int64_t>(s.width);
    const std::int64_t dh = dst.y1 - dst.y0, den = 2 * dh;
    const std::int64_t stepQ = (2 * s.height) / den, stepR = (2 * s.height) % den;
    const std::int64_t num = (2 * (clip.y0 - dst.y0) + 1) * s.height;
    std::int64_t q = num / den, r = num % den;

    std::int64_t lastRow = -1;
    bool lastOpaque = false;
    for (std::int64_t y = clip.y0; y < clip.y1; ++y) {
        std::uint32_t* out = v.Row(y) + clip.x0;
        if (q == lastRow && lastOpaque) {
            // The same source row again, without see-through pixels: copy the row just
            // written.
            std::memcpy(out, v.Row(y - 1) + clip.x0, static_cast<std::size_t>(n) * 4);
        } else {
            const std::uint32_t* src = s.Row(q);
            const bool opaque =
                s.opaque ||
                AllOpaque(src + cols[0], static_cast<std::size_t>(cols[n - 1] - cols[0] + 1));
            if (opaque && doubled)
                DoublePixels(out, src, clip.x0 - dst.x0, static_cast<std::size_t>(n));
            else if (opaque)
                for (std::int64_t i = 0; i < n; ++i)
                    out[i] = src[cols[i]];
            else
                for (std::int64_t i = 0; i < n; ++i)
                    out[i] = Over(src[cols[i]], out[i]);
            lastRow = q;
            lastOpaque = opaque;
        }
        q += stepQ;
        r += stepR;
        if (r >= den) {
            ++q;
            r -= den;
        }
    }
}

void StretchSmooth(const View& v, const Box& clip0, const Source& s, const Box& dst) {
    const Box clip = Intersect(Intersect(clip0, v.Bounds()), dst);
    if (clip.Empty() || s.width <= 0 || s.height <= 0) return;
    const std::int64_t dw = dst.x1 - dst.x0, dh = dst.y1 - dst.y0;
    if (2 * dw < s.width || 2 * dh < s.height) {
        StretchArea(v, clip, s, dst);
        return;
    }
    const std::int64_t n = clip.x1 - clip.x0;
    const AcrossTable across(clip.x0 - dst.x0, n, dw, s.width);
    // Two source rows, each resampled across once and kept while the destination rows
    // that fall between them are blended.
    std::vector<std::uint32_t> buffer(static_cast<std::size_t>(2 * n));
    std::uint32_t* rowA = buffer.data();
    std::uint32_t* rowB = buffer.data() + n;
    std::int64_t tagA = -1, tagB = -1;
    for (std::int64_t y = clip.y0; y < clip.y1; ++y) {
        Sample rs;
        BilinearTable(y - dst.y0, 1, dh, s.height, &rs);
        if (tagA != rs.i0) {
            if (tagB == rs.i0) {
                std::swap(rowA, rowB);
                std::swap(tagA, tagB);
            } else {
                across.Run(s.Row(rs.i0), s.width, rowA);
                tagA = rs.i0;
            }
        }
        std::uint32_t* out = v.Row(y) + clip.x0;
        if (rs.w == 0) {
            CopyRow(out, rowA, static_cast<std::size_t>(n));
            continue;
        }
        if (tagB != rs.i1) {
            across.Run(s.Row(rs.i1), s.width, rowB);
            tagB = rs.i1;
        }
        VerticalBlend(out, rowA, rowB, rs.w, static_cast<std::size_t>(n));
    }
}

void BlendCoverage(const View& v, const Box& clip0, const std::uint8_t* mask, int maskWidth,
                   int maskHeight, int maskStride, std::int64_t x, std::int64_t y,
                   std::uint32_t color) {
    const Box b = Intersect(Intersect(clip0, v.Bounds()), {x, y, x + maskWidth, y + maskHeight});
    if (b.Empty()) return;
    const std::uint32_t solid = color | kOpaque;
    const std::int64_t n = b.x1 - b.x0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i c16 = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(solid)), zero);
    const __m128i full = _mm_set1_epi16(256);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
#endif
    for (std::int64_t row = b.y0; row < b.y1; ++row) {
        const std::uint8_t* m = mask + (row - y) * maskStride + (b.x0 - x);
        std::uint32_t* d = v.Row(row) + b.x0;
        std::int64_t i = 0;
#if defined(__SSE2__)
        for (; i + 4 <= n; i += 4) {
            std::uint32_t cover;
            std::memcpy(&cover, m + i, 4);
            if (cover == 0) continue;
            if (cover == 0xFFFFFFFFu) {
                d[i] = d[i + 1] = d[i + 2] = d[i + 3] = solid;
                continue;
            }
            // Coverage a (0..255) as a weight of 0..256 on the colour, per channel.
            __m128i a = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(cover)), zero);
            a = _mm_add_epi16(a, _mm_srli_epi16(a, 7));
            a = _mm_unpacklo_epi16(a, a);
            const __m128i a01 = _mm_unpacklo_epi32(a, a), a23 = _mm_unpackhi_epi32(a, a);
            const __m128i px = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
            const __m128i lo =
                _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(px, zero),
                                                             _mm_sub_epi16(full, a01)),
                                             _mm_mullo_epi16(c16, a01)),
                               8);
            const __m128i hi =
                _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(px, zero),
                                                             _mm_sub_epi16(full, a23)),
                                             _mm_mullo_epi16(c16, a23)),
                               8);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i),
                             _mm_or_si128(_mm_packus_epi16(lo, hi), opaque));
        }
#endif
        for (; i < n; ++i) {
            const std::uint32_t a = m[i];
            if (a == 0) continue;
            d[i] = a == 255 ? solid : (Lerp(d[i], solid, a + (a >> 7)) | kOpaque);
        }
    }
}

} // namespace nk::raster
