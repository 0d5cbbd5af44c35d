// NuvelPad's painting, shape and size. Every skin is a fixed 150 x 120 picture painted
// at its own size: nothing is scaled, and every place below is a constant in pixels.
#include "framework/pic_styles.h"
#include "set2/pad/nuvel_pad.h"
#include "set2/resource_ids.h"

#include <array>
#include <optional>

namespace nk {

namespace {

constexpr std::string_view kZones = "Image1";

struct Placed {
    int id;
    double x, y;
};

// A status light: the bitmap for any value but 1, the bitmap for 1, and where it goes.
struct Light {
    int off;
    int on;
    double x, y;
};

struct Zone {
    double left, top, width, height;
};

// One pad skin: what Redraw paints and what ApplyStyleLayout applies.
struct PadLook {
    int skin;
    Light light1;
    Light light2;
    std::array<Placed, 4> arrows; // held left, right, up, down
    int mask;
    std::array<Zone, 4> zones; // Image1(0) left, (1) right, (2) up, (3) down
};

using nuvset2::kAquaishPad;
using nuvset2::kElectronicPad;
using nuvset2::kMilitaryPad;

constexpr std::array<PadLook, 3> kLooks = {{
    {kMilitaryPad.skin,
     {kMilitaryPad.firstDark, kMilitaryPad.firstLit, 123, 41},
     {kMilitaryPad.secondDark, kMilitaryPad.secondLit, 123, 70},
     {{{kMilitaryPad.leftArrow, 31, 44},
       {kMilitaryPad.rightArrow, 87, 46},
       {kMilitaryPad.upArrow, 52, 26},
       {kMilitaryPad.downArrow, 51, 81}}},
     kMilitaryPad.mask,
     {{{21, 44, 28, 33}, {84, 44, 27, 33}, {50, 16, 35, 26}, {50, 78, 35, 27}}}},
    {kAquaishPad.skin,
     {kAquaishPad.firstDark, kAquaishPad.firstLit, 113, 15},
     {kAquaishPad.secondDark, kAquaishPad.secondLit, 113, 44},
     {{{kAquaishPad.leftArrow, 13, 43},
       {kAquaishPad.rightArrow, 90, 43},
       {kAquaishPad.upArrow, 45, 13},
       {kAquaishPad.downArrow, 45, 87}}},
     kAquaishPad.mask,
     {{{13, 43, 27, 31}, {80, 43, 27, 31}, {45, 13, 32, 27}, {45, 77, 31, 27}}}},
    {kElectronicPad.skin,
     {kElectronicPad.firstDark, kElectronicPad.firstLit, 113, 14},
     {kElectronicPad.secondDark, kElectronicPad.secondLit, 113, 50},
     {{{kElectronicPad.leftArrow, 20, 35},
       {kElectronicPad.rightArrow, 60, 35},
       {kElectronicPad.upArrow, 32, 22},
       {kElectronicPad.downArrow, 32, 63}}},
     kElectronicPad.mask,
     {{{20, 45, 25, 31}, {70, 45, 25, 31}, {42, 22, 31, 27}, {42, 73, 31, 26}}}},
}};

// The look of a skin and picture mode; none for a skin or mode outside the tables (the
// six picture modes all paint alike).
const PadLook* LookOf(std::int32_t style, std::int32_t mode) {
    if (style < NuvlMilitaryDir || style > NuvlElectronicDir) return nullptr;
    if (mode < DefaultStyle || mode > OneAndHalfSize) return nullptr;
    return &kLooks[static_cast<std::size_t>(style)];
}

// The control's size in twips for the modes that set one: the width stays that of the
// skin and only the height follows the mode.
struct PadSize {
    double height;
    double width;
};

std::optional<PadSize> PadSizeOf(std::int32_t mode) {
    switch (mode) {
    case DefaultStyle:
        return PadSize{1800, 2250};
    case HalfSize:
        return PadSize{900, 2250};
    case DoubleSize:
        return PadSize{3600, 2250};
    case OneAndHalfSize:
        return PadSize{2700, 2250};
    default:
        return std::nullopt; // the host's size stands
    }
}

} // namespace

// Paints the skin, the two lights and the held arrow over whatever the surface shows;
// the surface is not cleared. Nothing at all for a skin or mode outside the tables.
void NuvelPad::Redraw() {
    const PadLook* look = LookOf(nuvelStyle_, pictureMode_);
    if (!look) return;
    PaintBitmap(look->skin, 0, 0);
    const Light& first = look->light1;
    PaintBitmap(statusLight1_ == 1 ? first.on : first.off, first.x, first.y);
    const Light& second = look->light2;
    PaintBitmap(statusLight2_ == 1 ? second.on : second.off, second.x, second.y);
    if (activeDirection_ >= kLeft && activeDirection_ <= kDown) {
        const Placed& arrow = look->arrows[static_cast<std::size_t>(activeDirection_ - 1)];
        PaintBitmap(arrow.id, arrow.x, arrow.y);
    }
}

// The mask and the hot zones of the skin; for a skin or mode outside the tables both
// stay as they were.
void NuvelPad::ApplyStyleLayout() {
    const PadLook* look = LookOf(nuvelStyle_, pictureMode_);
    if (!look) return;
    if (Picture mask = host_.LoadResPicture(look->mask)) host_.SetMaskPicture(mask);
    for (int i = 0; i < 4; ++i) {
        const Zone& z = look->zones[static_cast<std::size_t>(i)];
        if (ImageZone* zone = host_.ZoneChild(kZones, i))
            zone->Move(z.left, z.top, z.width, z.height);
    }
}

// Each change of size makes the host resize at once, which runs this again; comparing
// before setting keeps that nested run from changing anything more.
void NuvelPad::ApplyPadSize() {
    const std::optional<PadSize> size = PadSizeOf(pictureMode_);
    if (!size) return;
    if (host_.Height() != size->height) host_.SetHeight(size->height);
    if (host_.Width() != size->width) host_.SetWidth(size->width);
}

// A built-in bitmap at its own size, loaded for this paint only; one that cannot be
// loaded is skipped.
void NuvelPad::PaintBitmap(int id, double x, double y) {
    if (Picture bitmap = host_.LoadResPicture(id)) host_.PaintPicture(bitmap, x, y);
}

} // namespace nk
