// The painting toolkit of the resource generator: a floating-point colour raster with
// anti-aliased shapes (signed distances), gradients, sphere and tube lighting, value noise,
// gloss highlights and blend modes. Everything is deterministic: the same calls give the
// same pixels on every build.
#pragma once

#include "framework/picture.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace nk::paint {

// ---------------------------------------------------------------------------------------------
// Scalars and vectors

float Clamp01(float v);
float Lerp(float a, float b, float t);
// 0 below e0, 1 above e1, a smooth Hermite ramp between (e0 > e1 reverses the ramp).
float SmoothStep(float e0, float e1, float x);
float Fract(float v);

struct Vec2 {
    float x = 0;
    float y = 0;
};
struct Vec3 {
    float x = 0;
    float y = 0;
    float z = 0;
};

Vec2 operator+(Vec2 a, Vec2 b);
Vec2 operator-(Vec2 a, Vec2 b);
Vec2 operator*(Vec2 a, float s);
float Length(Vec2 v);
Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, float s);
float Dot(Vec3 a, Vec3 b);
float Length(Vec3 v);
Vec3 Normalize(Vec3 v); // the zero vector stays zero

// ---------------------------------------------------------------------------------------------
// Colours: components in 0..1, in the same encoding as the stored pixel.

struct Rgb {
    float r = 0;
    float g = 0;
    float b = 0;
};

Rgb operator+(Rgb a, Rgb b);
Rgb operator-(Rgb a, Rgb b);
Rgb operator*(Rgb a, float s);
Rgb operator*(Rgb a, Rgb b); // component-wise
bool operator==(Rgb a, Rgb b);

// 0xRRGGBB
Rgb Hex(std::uint32_t rrggbb);
Rgb Grey(float v);
Rgb Mix(Rgb a, Rgb b, float t);
// Hue in turns (0..1 wraps), saturation and value 0..1.
Rgb Hsv(float hue, float saturation, float value);
float Luma(Rgb c);
// Moves a colour towards its own grey by `amount` (0 keeps it, 1 is fully grey).
Rgb Desaturate(Rgb c, float amount);
Rgb Clamp(Rgb c);
// 0xFFRRGGBB, rounded and clamped.
std::uint32_t ToPixel(Rgb c);
Rgb FromPixel(std::uint32_t argb);

// Colour stops along 0..1; positions need not be added in order. Outside the first and last
// stop the end colours hold.
class Gradient {
public:
    Gradient() = default;
    Gradient(std::initializer_list<std::pair<float, Rgb>> stops);
    void Add(float position, Rgb colour);
    Rgb At(float t) const;
    // Evenly spaced stops.
    static Gradient Even(std::initializer_list<Rgb> colours);

private:
    std::vector<std::pair<float, Rgb>> stops_;
};

enum class Blend { Normal, Add, Screen, Multiply, Overlay, SoftLight, Lighten, Darken };

// `top` over `base` in the given mode, before opacity is applied.
Rgb BlendColor(Rgb base, Rgb top, Blend mode);

// ---------------------------------------------------------------------------------------------
// Randomness and noise, from fixed seeds only

// A small deterministic generator (splitmix64).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint32_t Next();
    float Uniform();                 // [0, 1)
    float Range(float lo, float hi); // [lo, hi)
    int Int(int lo, int hi);         // [lo, hi], inclusive

private:
    std::uint64_t state_;
};

// Smooth value noise on an integer lattice, values 0..1.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : seed_(seed) {}
    float At(float x, float y) const;
    // Repeats every periodX lattice cells across and periodY down (0: no repeat).
    float AtPeriodic(float x, float y, int periodX, int periodY) const;
    // Fractal sum of octaves, normalised to 0..1.
    float Fbm(float x, float y, int octaves, float lacunarity = 2.0f, float gain = 0.5f) const;
    // 1 - |2n - 1| summed over octaves: sharp crests, like marble veins or caustics; 0..1.
    float Ridged(float x, float y, int octaves, float lacunarity = 2.0f, float gain = 0.5f) const;

private:
    float Lattice(int x, int y) const;
    std::uint32_t seed_;
};

// ---------------------------------------------------------------------------------------------
// Signed distances in pixels (negative inside) and anti-aliased coverage

float SdDisc(Vec2 p, Vec2 centre, float radius);
float SdEllipse(Vec2 p, Vec2 centre, float rx, float ry); // a close approximation
float SdBox(Vec2 p, float x0, float y0, float x1, float y1);
float SdRoundBox(Vec2 p, float x0, float y0, float x1, float y1, float radius);
// A segment from a to b thickened to `halfWidth` (a capsule).
float SdSegment(Vec2 p, Vec2 a, Vec2 b, float halfWidth);
// A ring of the given radius and half thickness.
float SdRing(Vec2 p, Vec2 centre, float radius, float halfWidth);
// Coverage of a pixel by a shape whose signed distance at the pixel centre is `sd`.
float Coverage(float sd);

using Sdf = std::function<float(Vec2)>;
using Paint = std::function<Rgb(Vec2)>;

// ---------------------------------------------------------------------------------------------
// The raster
//
// A layer is painted in logical pixels and holds `scale` device pixels per logical pixel, so
// the same drawing paints its picture at 1x or finer (1.5x, 2x, 3x): every position, size,
// feather and paint is given in logical pixels, and the edges of shapes are anti-aliased over
// one device pixel. At scale 1 the two kinds of pixel are the same.

// The device pixels across `logical` pixels at `scale`, rounded to the nearest (halves up).
int DeviceSize(int logical, float scale);

// Samples across a device pixel for a supersampled drawing that takes `atOneX` across a pixel
// at 1x: as many per logical pixel at `scale` as at 1x, and at least two across a device pixel
// (or `atOneX`, when that is fewer), so the finer scales cost no more samples than they need.
int SamplesPerAxis(int atOneX, float scale);

class Layer {
public:
    Layer() = default;
    Layer(int width, int height, Rgb fill = {}, float scale = 1.0f);

    // Device pixels.
    int width() const { return width_; }
    int height() const { return height_; }
    // Logical pixels, and device pixels per logical pixel.
    int logicalWidth() const { return logicalWidth_; }
    int logicalHeight() const { return logicalHeight_; }
    float scale() const { return scale_; }
    // The logical position of a device pixel's centre.
    Vec2 Centre(int x, int y) const {
        return {(static_cast<float>(x) + 0.5f) / scale_, (static_cast<float>(y) + 0.5f) / scale_};
    }
    Rgb At(int x, int y) const { return px_[static_cast<size_t>(y) * width_ + x]; }
    Rgb& At(int x, int y) { return px_[static_cast<size_t>(y) * width_ + x]; }
    // Bilinear sample at a continuous logical position (pixel centres at +0.5), clamped to
    // the edges.
    Rgb Sample(float x, float y) const;

    // Composites `c` at a device pixel with coverage `alpha`; ignores pixels outside.
    void Put(int x, int y, Rgb c, float alpha, Blend mode = Blend::Normal);
    // Composites `c` over every device pixel whose centre lies in the logical pixel (x, y).
    void PutLogical(int x, int y, Rgb c, float alpha, Blend mode = Blend::Normal);
    // Sets every pixel from a function of its logical centre.
    void Shade(const Paint& f);
    // Replaces every pixel by a function of its logical centre and its current colour.
    void Filter(const std::function<Rgb(Vec2, Rgb)>& f);
    // Composites another layer of the same scale with its top-left at logical (dx, dy).
    void Draw(const Layer& top, int dx, int dy, float opacity = 1.0f, Blend mode = Blend::Normal);

    Image ToImage() const; // opaque 0xFFRRGGBB
    static Layer FromImage(const Image& image);

private:
    int width_ = 0;
    int height_ = 0;
    int logicalWidth_ = 0;
    int logicalHeight_ = 0;
    float scale_ = 1.0f;
    std::vector<Rgb> px_;
};

// Shapes are signed distances in logical pixels; the fills anti-alias them over one device
// pixel. Fills a shape with a paint or a colour.
void FillShape(Layer& l, const Sdf& shape, const Paint& paint, float opacity = 1.0f,
               Blend mode = Blend::Normal);
void FillShape(Layer& l, const Sdf& shape, Rgb colour, float opacity = 1.0f,
               Blend mode = Blend::Normal);
// Strokes the outline of a shape with a line `width` pixels wide centred on it.
void StrokeShape(Layer& l, const Sdf& shape, float width, Rgb colour, float opacity = 1.0f,
                 Blend mode = Blend::Normal);
// A soft-edged shape: full strength at distance <= -feather/2, nothing at >= +feather/2.
void FillSoft(Layer& l, const Sdf& shape, float feather, Rgb colour, float opacity = 1.0f,
              Blend mode = Blend::Screen);

void FillDisc(Layer& l, Vec2 centre, float radius, Rgb colour, float opacity = 1.0f,
              Blend mode = Blend::Normal);
void FillRoundBox(Layer& l, float x0, float y0, float x1, float y1, float radius,
                  const Paint& paint, float opacity = 1.0f, Blend mode = Blend::Normal);

// Gradients as paints.
Paint LinearPaint(const Gradient& g, Vec2 from, Vec2 to);
Paint RadialPaint(const Gradient& g, Vec2 centre, float radius);
// Angle around a centre, one turn from +x clockwise on screen, mapped to 0..1.
Paint ConicPaint(const Gradient& g, Vec2 centre, float startTurns = 0.0f);

// ---------------------------------------------------------------------------------------------
// Lighting

struct Light {
    Vec3 direction = {-0.45f, -0.6f, 0.66f}; // towards the light; +z faces the viewer
    float ambient = 0.28f;
    float diffuse = 0.78f;
    float specular = 0.75f;
    float shininess = 40.0f;
    Rgb colour = {1, 1, 1};
};

// Normal of a unit sphere seen from the front at (u, v) in -1..1 (y down); outside the
// silhouette the rim normal is returned.
Vec3 SphereNormal(float u, float v);
// Normal of a horizontal tube of radius `radius` around y = cy, at height y.
Vec3 TubeNormal(float y, float cy, float radius);
// Normal of a horizontal capsule (a tube from x0 to x1 ending in half-discs) at p.
Vec3 CapsuleNormal(Vec2 p, float x0, float x1, float cy, float radius);
// Blinn-Phong with the viewer on +z: ambient and diffuse tint `albedo`, the specular adds
// the light's colour.
Rgb Lit(Rgb albedo, Vec3 normal, const Light& light);

// ---------------------------------------------------------------------------------------------
// Gloss and finishing

// The glassy highlight across the upper part of a face: a white band, a rounded box from
// (x0, y0) to (x1, y1), strongest at its top (`topAlpha`) and fading to `bottomAlpha` at its
// bottom, with soft edges (`feather` pixels), screened over the pixels. When `clip` is set,
// the band is limited to that shape.
void GlossBand(Layer& l, float x0, float y0, float x1, float y1, float radius, float topAlpha,
               float bottomAlpha, float feather = 1.5f, const Sdf& clip = nullptr);
// A soft elliptical specular spot, screened.
void SpecularSpot(Layer& l, Vec2 centre, float rx, float ry, float alpha, Rgb colour = {1, 1, 1});
// Darkens towards the edges of the layer: `strength` at the corners.
void Vignette(Layer& l, float strength);
// A box blur of the given logical radius, repeated `passes` times (3 passes look Gaussian).
void Blur(Layer& l, int radius, int passes = 3);
// Adds fine grain (+-amplitude) from a fixed seed so that palettised images dither evenly.
void Grain(Layer& l, std::uint32_t seed, float amplitude);

// A 1-bit mask of width x height logical pixels at `scale`: black where the shape covers at
// least half the device pixel, white elsewhere.
Image MaskImage(int width, int height, const Sdf& shape, float scale = 1.0f);

} // namespace nk::paint
