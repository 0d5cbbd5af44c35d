#include "resources/paint.h"

#include <algorithm>
#include <cmath>

namespace nk::paint {

// ---------------------------------------------------------------------------------------------
// Scalars and vectors

float Clamp01(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}
float Lerp(float a, float b, float t) {
    return a + (b - a) * t;
}
float SmoothStep(float e0, float e1, float x) {
    if (e0 == e1) return x < e0 ? 0.0f : 1.0f;
    const float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}
float Fract(float v) {
    return v - std::floor(v);
}

Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
Vec2 operator*(Vec2 a, float s) {
    return {a.x * s, a.y * s};
}
float Length(Vec2 v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}
Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator*(Vec3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}
float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
float Length(Vec3 v) {
    return std::sqrt(Dot(v, v));
}
Vec3 Normalize(Vec3 v) {
    const float len = Length(v);
    return len > 0.0f ? v * (1.0f / len) : v;
}

// ---------------------------------------------------------------------------------------------
// Colours

Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb operator-(Rgb a, Rgb b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
Rgb operator*(Rgb a, float s) {
    return {a.r * s, a.g * s, a.b * s};
}
Rgb operator*(Rgb a, Rgb b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

Rgb Hex(std::uint32_t rrggbb) {
    return {static_cast<float>((rrggbb >> 16) & 0xFF) / 255.0f,
            static_cast<float>((rrggbb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(rrggbb & 0xFF) / 255.0f};
}
Rgb Grey(float v) {
    return {v, v, v};
}
Rgb Mix(Rgb a, Rgb b, float t) {
    return {Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t)};
}

Rgb Hsv(float hue, float saturation, float value) {
    const float h = Fract(hue) * 6.0f;
    const int sector = static_cast<int>(h) % 6;
    const float f = h - std::floor(h);
    const float s = Clamp01(saturation);
    const float v = value;
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * f);
    const float t = v * (1.0f - s * (1.0f - f));
    switch (sector) {
    case 0:
        return {v, t, p};
    case 1:
        return {q, v, p};
    case 2:
        return {p, v, t};
    case 3:
        return {p, q, v};
    case 4:
        return {t, p, v};
    default:
        return {v, p, q};
    }
}

float Luma(Rgb c) {
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}
Rgb Desaturate(Rgb c, float amount) {
    return Mix(c, Grey(Luma(c)), Clamp01(amount));
}
Rgb Clamp(Rgb c) {
    return {Clamp01(c.r), Clamp01(c.g), Clamp01(c.b)};
}

static std::uint32_t Channel(float v) {
    return static_cast<std::uint32_t>(std::lround(Clamp01(v) * 255.0f));
}

std::uint32_t ToPixel(Rgb c) {
    return 0xFF000000u | (Channel(c.r) << 16) | (Channel(c.g) << 8) | Channel(c.b);
}

Rgb FromPixel(std::uint32_t argb) {
    return Hex(argb & 0xFFFFFFu);
}

Gradient::Gradient(std::initializer_list<std::pair<float, Rgb>> stops) {
    for (const auto& [pos, colour] : stops)
        Add(pos, colour);
}

void Gradient::Add(float position, Rgb colour) {
    auto it = std::upper_bound(stops_.begin(), stops_.end(), position,
                               [](float p, const auto& s) { return p < s.first; });
    stops_.insert(it, {position, colour});
}

Rgb Gradient::At(float t) const {
    if (stops_.empty()) return {};
    if (t <= stops_.front().first) return stops_.front().second;
    if (t >= stops_.back().first) return stops_.back().second;
    for (size_t i = 1; i < stops_.size(); ++i) {
        const auto& [p1, c1] = stops_[i];
        if (t <= p1) {
            const auto& [p0, c0] = stops_[i - 1];
            const float span = p1 - p0;
            return span > 0.0f ? Mix(c0, c1, (t - p0) / span) : c1;
        }
    }
    return stops_.back().second;
}

Gradient Gradient::Even(std::initializer_list<Rgb> colours) {
    Gradient g;
    const size_t n = colours.size();
    size_t i = 0;
    for (const Rgb& c : colours) {
        g.Add(n > 1 ? static_cast<float>(i) / static_cast<float>(n - 1) : 0.0f, c);
        ++i;
    }
    return g;
}

static float SoftLightChannel(float b, float t) {
    if (t <= 0.5f) return b - (1.0f - 2.0f * t) * b * (1.0f - b);
    const float d = b <= 0.25f ? ((16.0f * b - 12.0f) * b + 4.0f) * b : std::sqrt(b);
    return b + (2.0f * t - 1.0f) * (d - b);
}

static float BlendChannel(float b, float t, Blend mode) {
    switch (mode) {
    case Blend::Normal:
        return t;
    case Blend::Add:
        return b + t;
    case Blend::Screen:
        return 1.0f - (1.0f - b) * (1.0f - t);
    case Blend::Multiply:
        return b * t;
    case Blend::Overlay:
        return b < 0.5f ? 2.0f * b * t : 1.0f - 2.0f * (1.0f - b) * (1.0f - t);
    case Blend::SoftLight:
        return SoftLightChannel(Clamp01(b), Clamp01(t));
    case Blend::Lighten:
        return std::max(b, t);
    case Blend::Darken:
        return std::min(b, t);
    }
    return t;
}

Rgb BlendColor(Rgb base, Rgb top, Blend mode) {
    return {BlendChannel(base.r, top.r, mode), BlendChannel(base.g, top.g, mode),
            BlendChannel(base.b, top.b, mode)};
}

// ---------------------------------------------------------------------------------------------
// Randomness and noise

std::uint32_t Rng::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

float Rng::Uniform() {
    return static_cast<float>(Next() >> 8) / 16777216.0f;
}
float Rng::Range(float lo, float hi) {
    return lo + (hi - lo) * Uniform();
}
int Rng::Int(int lo, int hi) {
    if (hi <= lo) return lo;
    const auto span = static_cast<std::uint32_t>(hi - lo) + 1u;
    return lo + static_cast<int>(Next() % span);
}

float Noise::Lattice(int x, int y) const {
    std::uint32_t h = seed_ * 0x27D4EB2Du;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return static_cast<float>(h >> 8) / 16777215.0f;
}

static float Fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

static int Wrap(int v, int period) {
    if (period <= 0) return v;
    const int m = v % period;
    return m < 0 ? m + period : m;
}

float Noise::AtPeriodic(float x, float y, int periodX, int periodY) const {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float tx = Fade(x - fx);
    const float ty = Fade(y - fy);
    const int x0 = Wrap(ix, periodX), x1 = Wrap(ix + 1, periodX);
    const int y0 = Wrap(iy, periodY), y1 = Wrap(iy + 1, periodY);
    const float top = Lerp(Lattice(x0, y0), Lattice(x1, y0), tx);
    const float bottom = Lerp(Lattice(x0, y1), Lattice(x1, y1), tx);
    return Lerp(top, bottom, ty);
}

float Noise::At(float x, float y) const {
    return AtPeriodic(x, y, 0, 0);
}

float Noise::Fbm(float x, float y, int octaves, float lacunarity, float gain) const {
    float sum = 0.0f, norm = 0.0f, amp = 1.0f, freq = 1.0f;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so that lattice points of the octaves do not line up.
        sum += amp * At(x * freq + 17.31f * i, y * freq + 9.77f * i);
        norm += amp;
        amp *= gain;
        freq *= lacunarity;
    }
    return norm > 0.0f ? sum / norm : 0.0f;
}

float Noise::Ridged(float x, float y, int octaves, float lacunarity, float gain) const {
    float sum = 0.0f, norm = 0.0f, amp = 1.0f, freq = 1.0f;
    for (int i = 0; i < octaves; ++i) {
        const float n = At(x * freq + 31.7f * i, y * freq + 5.3f * i);
        sum += amp * (1.0f - std::fabs(2.0f * n - 1.0f));
        norm += amp;
        amp *= gain;
        freq *= lacunarity;
    }
    return norm > 0.0f ? sum / norm : 0.0f;
}

// ---------------------------------------------------------------------------------------------
// Signed distances

float SdDisc(Vec2 p, Vec2 centre, float radius) {
    return Length(p - centre) - radius;
}

float SdEllipse(Vec2 p, Vec2 centre, float rx, float ry) {
    // Distance in the ellipse's normalised space scaled by the gradient's length: exact on
    // the outline and close nearby, which is what anti-aliasing needs.
    if (rx <= 0.0f || ry <= 0.0f) return 1e9f;
    const Vec2 d = p - centre;
    const float k0 = std::sqrt((d.x * d.x) / (rx * rx) + (d.y * d.y) / (ry * ry));
    if (k0 == 0.0f) return -std::min(rx, ry);
    const float k1 =
        std::sqrt((d.x * d.x) / (rx * rx * rx * rx) + (d.y * d.y) / (ry * ry * ry * ry));
    return k0 * (k0 - 1.0f) / k1;
}

float SdBox(Vec2 p, float x0, float y0, float x1, float y1) {
    const float cx = (x0 + x1) * 0.5f, cy = (y0 + y1) * 0.5f;
    const float hx = (x1 - x0) * 0.5f, hy = (y1 - y0) * 0.5f;
    const float dx = std::fabs(p.x - cx) - hx;
    const float dy = std::fabs(p.y - cy) - hy;
    const float ox = std::max(dx, 0.0f), oy = std::max(dy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(dx, dy), 0.0f);
}

float SdRoundBox(Vec2 p, float x0, float y0, float x1, float y1, float radius) {
    const float r = std::min({radius, (x1 - x0) * 0.5f, (y1 - y0) * 0.5f});
    return SdBox(p, x0 + r, y0 + r, x1 - r, y1 - r) - r;
}

float SdSegment(Vec2 p, Vec2 a, Vec2 b, float halfWidth) {
    const Vec2 pa = p - a, ba = b - a;
    const float len2 = ba.x * ba.x + ba.y * ba.y;
    const float h = len2 > 0.0f ? Clamp01((pa.x * ba.x + pa.y * ba.y) / len2) : 0.0f;
    return Length(pa - ba * h) - halfWidth;
}

float SdRing(Vec2 p, Vec2 centre, float radius, float halfWidth) {
    return std::fabs(Length(p - centre) - radius) - halfWidth;
}

float Coverage(float sd) {
    return Clamp01(0.5f - sd);
}

// ---------------------------------------------------------------------------------------------
// The raster

int DeviceSize(int logical, float scale) {
    if (logical <= 0 || !(scale > 0.0f)) return 0;
    return static_cast<int>(std::lround(static_cast<double>(logical) * scale));
}

int SamplesPerAxis(int atOneX, float scale) {
    if (!(scale > 1.0f)) return atOneX;
    const int needed = static_cast<int>(std::ceil(static_cast<float>(atOneX) / scale));
    return std::max(needed, std::min(atOneX, 2));
}

Layer::Layer(int width, int height, Rgb fill, float scale)
    : width_(DeviceSize(width, scale)), height_(DeviceSize(height, scale)),
      logicalWidth_(std::max(width, 0)), logicalHeight_(std::max(height, 0)),
      scale_(scale > 0.0f ? scale : 1.0f), px_(static_cast<size_t>(width_) * height_, fill) {}

Rgb Layer::Sample(float x, float y) const {
    if (width_ == 0 || height_ == 0) return {};
    const float fx = std::clamp(x * scale_ - 0.5f, 0.0f, static_cast<float>(width_ - 1));
    const float fy = std::clamp(y * scale_ - 0.5f, 0.0f, static_cast<float>(height_ - 1));
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const int x1 = std::min(x0 + 1, width_ - 1), y1 = std::min(y0 + 1, height_ - 1);
    const float tx = fx - x0, ty = fy - y0;
    return Mix(Mix(At(x0, y0), At(x1, y0), tx), Mix(At(x0, y1), At(x1, y1), tx), ty);
}

void Layer::Put(int x, int y, Rgb c, float alpha, Blend mode) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const float a = Clamp01(alpha);
    if (a <= 0.0f) return;
    Rgb& base = At(x, y);
    base = Mix(base, BlendColor(base, c, mode), a);
}

void Layer::PutLogical(int x, int y, Rgb c, float alpha, Blend mode) {
    // Device pixel i has its centre in logical pixel x when x <= (i + 0.5) / scale < x + 1.
    auto first = [this](int v) {
        return static_cast<int>(std::ceil(static_cast<float>(v) * scale_ - 0.5f));
    };
    for (int j = first(y); j < first(y + 1); ++j)
        for (int i = first(x); i < first(x + 1); ++i)
            Put(i, j, c, alpha, mode);
}

void Layer::Shade(const Paint& f) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            At(x, y) = f(Centre(x, y));
}

void Layer::Filter(const std::function<Rgb(Vec2, Rgb)>& f) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            At(x, y) = f(Centre(x, y), At(x, y));
}

void Layer::Draw(const Layer& top, int dx, int dy, float opacity, Blend mode) {
    const int ox = static_cast<int>(std::lround(static_cast<float>(dx) * scale_));
    const int oy = static_cast<int>(std::lround(static_cast<float>(dy) * scale_));
    for (int y = 0; y < top.height(); ++y)
        for (int x = 0; x < top.width(); ++x)
            Put(x + ox, y + oy, top.At(x, y), opacity, mode);
}

Image Layer::ToImage() const {
    Image img(width_, height_);
    img.bitsPerPixel = 32;
    for (size_t i = 0; i < px_.size(); ++i)
        img.pixels[i] = ToPixel(px_[i]);
    return img;
}

Layer Layer::FromImage(const Image& image) {
    Layer l(image.width, image.height);
    for (size_t i = 0; i < l.px_.size() && i < image.pixels.size(); ++i)
        l.px_[i] = FromPixel(image.pixels[i]);
    return l;
}

static void ForEachCovered(Layer& l, const Sdf& shape,
                           const std::function<void(int, int, Vec2, float)>& f) {
    const float scale = l.scale();
    for (int y = 0; y < l.height(); ++y)
        for (int x = 0; x < l.width(); ++x) {
            const Vec2 p = l.Centre(x, y);
            const float cov = Coverage(shape(p) * scale);
            if (cov > 0.0f) f(x, y, p, cov);
        }
}

void FillShape(Layer& l, const Sdf& shape, const Paint& paint, float opacity, Blend mode) {
    ForEachCovered(l, shape, [&](int x, int y, Vec2 p, float cov) {
        l.Put(x, y, paint(p), cov * opacity, mode);
    });
}

void FillShape(Layer& l, const Sdf& shape, Rgb colour, float opacity, Blend mode) {
    ForEachCovered(
        l, shape, [&](int x, int y, Vec2, float cov) { l.Put(x, y, colour, cov * opacity, mode); });
}

void StrokeShape(Layer& l, const Sdf& shape, float width, Rgb colour, float opacity, Blend mode) {
    const float half = width * 0.5f;
    FillShape(
        l, [&](Vec2 p) { return std::fabs(shape(p)) - half; }, colour, opacity, mode);
}

void FillSoft(Layer& l, const Sdf& shape, float feather, Rgb colour, float opacity, Blend mode) {
    const float half = std::max(feather, 0.01f) * 0.5f;
    for (int y = 0; y < l.height(); ++y)
        for (int x = 0; x < l.width(); ++x) {
            const Vec2 p = l.Centre(x, y);
            const float a = SmoothStep(half, -half, shape(p));
            if (a > 0.0f) l.Put(x, y, colour, a * opacity, mode);
        }
}

void FillDisc(Layer& l, Vec2 centre, float radius, Rgb colour, float opacity, Blend mode) {
    FillShape(
        l, [=](Vec2 p) { return SdDisc(p, centre, radius); }, colour, opacity, mode);
}

void FillRoundBox(Layer& l, float x0, float y0, float x1, float y1, float radius,
                  const Paint& paint, float opacity, Blend mode) {
    FillShape(
        l, [=](Vec2 p) { return SdRoundBox(p, x0, y0, x1, y1, radius); }, paint, opacity, mode);
}

Paint LinearPaint(const Gradient& g, Vec2 from, Vec2 to) {
    const Vec2 d = to - from;
    const float len2 = d.x * d.x + d.y * d.y;
    return [g, from, d, len2](Vec2 p) {
        const Vec2 q = p - from;
        return g.At(len2 > 0.0f ? (q.x * d.x + q.y * d.y) / len2 : 0.0f);
    };
}

Paint RadialPaint(const Gradient& g, Vec2 centre, float radius) {
    return [g, centre, radius](Vec2 p) {
        return g.At(radius > 0.0f ? Length(p - centre) / radius : 0.0f);
    };
}

Paint ConicPaint(const Gradient& g, Vec2 centre, float startTurns) {
    return [g, centre, startTurns](Vec2 p) {
        const float a = std::atan2(p.y - centre.y, p.x - centre.x) / 6.2831853f;
        return g.At(Fract(a - startTurns));
    };
}

// ---------------------------------------------------------------------------------------------
// Lighting

Vec3 SphereNormal(float u, float v) {
    const float r2 = u * u + v * v;
    if (r2 >= 1.0f) return Normalize({u, v, 0.0f});
    return {u, v, std::sqrt(1.0f - r2)};
}

Vec3 TubeNormal(float y, float cy, float radius) {
    if (radius <= 0.0f) return {0, 0, 1};
    const float v = std::clamp((y - cy) / radius, -1.0f, 1.0f);
    return {0.0f, v, std::sqrt(std::max(0.0f, 1.0f - v * v))};
}

Vec3 CapsuleNormal(Vec2 p, float x0, float x1, float cy, float radius) {
    if (radius <= 0.0f) return {0, 0, 1};
    const float nearest = std::clamp(p.x, x0, x1);
    const float u = (p.x - nearest) / radius;
    const float v = (p.y - cy) / radius;
    return SphereNormal(u, v);
}

Rgb Lit(Rgb albedo, Vec3 normal, const Light& light) {
    const Vec3 n = Normalize(normal);
    const Vec3 l = Normalize(light.direction);
    const float diff = std::max(0.0f, Dot(n, l));
    const Vec3 h = Normalize(l + Vec3{0, 0, 1});
    const float specular = std::pow(std::max(0.0f, Dot(n, h)), light.shininess);
    const Rgb base = albedo * (light.ambient + light.diffuse * diff);
    return base + light.colour * (light.specular * specular);
}

// ---------------------------------------------------------------------------------------------
// Gloss and finishing

void GlossBand(Layer& l, float x0, float y0, float x1, float y1, float radius, float topAlpha,
               float bottomAlpha, float feather, const Sdf& clip) {
    const float half = std::max(feather, 0.01f) * 0.5f;
    const float height = std::max(y1 - y0, 1e-3f);
    for (int y = 0; y < l.height(); ++y)
        for (int x = 0; x < l.width(); ++x) {
            const Vec2 p = l.Centre(x, y);
            float a = SmoothStep(half, -half, SdRoundBox(p, x0, y0, x1, y1, radius));
            if (a <= 0.0f) continue;
            if (clip) a *= Coverage(clip(p) * l.scale());
            const float t = Clamp01((p.y - y0) / height);
            a *= Lerp(topAlpha, bottomAlpha, t);
            l.Put(x, y, {1, 1, 1}, a, Blend::Screen);
        }
}

void SpecularSpot(Layer& l, Vec2 centre, float rx, float ry, float alpha, Rgb colour) {
    if (rx <= 0.0f || ry <= 0.0f) return;
    for (int y = 0; y < l.height(); ++y)
        for (int x = 0; x < l.width(); ++x) {
            const Vec2 p = l.Centre(x, y);
            const float dx = (p.x - centre.x) / rx;
            const float dy = (p.y - centre.y) / ry;
            const float d2 = dx * dx + dy * dy;
            if (d2 >= 1.0f) continue;
            const float a = (1.0f - d2) * (1.0f - d2);
            l.Put(x, y, colour, a * alpha, Blend::Screen);
        }
}

void Vignette(Layer& l, float strength) {
    const float cx = static_cast<float>(l.logicalWidth()) * 0.5f;
    const float cy = static_cast<float>(l.logicalHeight()) * 0.5f;
    l.Filter([&](Vec2 p, Rgb c) {
        const float dx = cx > 0.0f ? (p.x - cx) / cx : 0.0f;
        const float dy = cy > 0.0f ? (p.y - cy) / cy : 0.0f;
        const float d = Clamp01((dx * dx + dy * dy) * 0.5f);
        return c * (1.0f - strength * d * d);
    });
}

static void BlurLine(std::vector<Rgb>& line, int radius) {
    const int n = static_cast<int>(line.size());
    if (n == 0 || radius <= 0) return;
    std::vector<Rgb> prefix(static_cast<size_t>(n) + 1);
    for (int i = 0; i < n; ++i)
        prefix[i + 1] = prefix[i] + line[i];
    for (int i = 0; i < n; ++i) {
        // Clamped edges: the window is extended by repeating the end pixels.
        Rgb sum{};
        const int lo = i - radius, hi = i + radius;
        const int a = std::max(lo, 0), b = std::min(hi, n - 1);
        sum = prefix[b + 1] - prefix[a];
        if (lo < 0) sum = sum + line[0] * static_cast<float>(-lo);
        if (hi > n - 1) sum = sum + line[n - 1] * static_cast<float>(hi - (n - 1));
        line[i] = sum * (1.0f / static_cast<float>(2 * radius + 1));
    }
}

void Blur(Layer& l, int logicalRadius, int passes) {
    const int radius = static_cast<int>(std::lround(static_cast<float>(logicalRadius) * l.scale()));
    std::vector<Rgb> line;
    for (int pass = 0; pass < passes; ++pass) {
        line.resize(static_cast<size_t>(l.width()));
        for (int y = 0; y < l.height(); ++y) {
            for (int x = 0; x < l.width(); ++x)
                line[x] = l.At(x, y);
            BlurLine(line, radius);
            for (int x = 0; x < l.width(); ++x)
                l.At(x, y) = line[x];
        }
        line.resize(static_cast<size_t>(l.height()));
        for (int x = 0; x < l.width(); ++x) {
            for (int y = 0; y < l.height(); ++y)
                line[y] = l.At(x, y);
            BlurLine(line, radius);
            for (int y = 0; y < l.height(); ++y)
                l.At(x, y) = line[y];
        }
    }
}

void Grain(Layer& l, std::uint32_t seed, float amplitude) {
    Rng rng(seed);
    l.Filter([&](Vec2, Rgb c) {
        const float g = rng.Range(-amplitude, amplitude);
        return c + Rgb{g, g, g};
    });
}

Image MaskImage(int width, int height, const Sdf& shape, float scale) {
    // A layer only for its device size and pixel centres.
    const Layer grid(width, height, {}, scale);
    Image img(grid.width(), grid.height(), 0xFFFFFFFFu);
    img.bitsPerPixel = 1;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (Coverage(shape(grid.Centre(x, y)) * grid.scale()) >= 0.5f)
                img.At(x, y) = 0xFF000000u;
    return img;
}

} // namespace nk::paint
