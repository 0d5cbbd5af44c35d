#include "resources/resource_list.h"

#include "framework/sound.h"
#include "set1/resource_ids.h"
#include "set2/resource_ids.h"

#include <array>
#include <string>
#include <vector>

namespace nk::resgen {

namespace {

constexpr std::string_view kSet1 = "nuvset1";
constexpr std::string_view kSet2 = "nuvset2";

constexpr std::array<std::string_view, 8> kBackgrounds = {
    "background NKSpiralRainbow",    "background NKCyanWater",   "background NKBlueBubblyWater",
    "background NKAuroraZone",       "background NKGreenWater",  "background NKTriColorTemple",
    "background NKUnderwaterClouds", "background NKLollipopLand"};

constexpr std::array<std::string_view, 10> kSpheres = {
    "sphere Rings",     "sphere Gas Giant 1", "sphere Gas Giant 2", "sphere Rainbow",
    "sphere Rain Flux", "sphere Pixelix",     "sphere Vortex",      "sphere Cables",
    "sphere Clouds",    "sphere Blue"};

constexpr std::array<std::string_view, 10> kSpheresPressed = {
    "sphere Rings, pressed",   "sphere Gas Giant 1, pressed", "sphere Gas Giant 2, pressed",
    "sphere Rainbow, pressed", "sphere Rain Flux, pressed",   "sphere Pixelix, pressed",
    "sphere Vortex, pressed",  "sphere Cables, pressed",      "sphere Clouds, pressed",
    "sphere Blue, pressed"};

constexpr std::array<std::string_view, 8> kPills = {
    "pill face NKCyanWater",  "pill face NKBlueWater", "pill face NKTriColor",
    "pill face NKCrystaline", "pill face NKClouds",    "pill face NKOldMarble",
    "pill face NKTintMarble", "pill face NKSpectrum"};

constexpr std::array<std::string_view, 8> kPillsPressed = {
    "pill face NKCyanWater, pressed",  "pill face NKBlueWater, pressed",
    "pill face NKTriColor, pressed",   "pill face NKCrystaline, pressed",
    "pill face NKClouds, pressed",     "pill face NKOldMarble, pressed",
    "pill face NKTintMarble, pressed", "pill face NKSpectrum, pressed"};

constexpr std::array<std::string_view, 8> kFills = {
    "fill NKGreenFill", "fill NKYellowFill", "fill NKPurpleFill",  "fill NKRedFill",
    "fill NKCyanFill",  "fill NKBlueFill",   "fill NKRainbowFill", "fill NKRainbow2Fill"};

// The screen pieces in the order of their numbers within a scheme: top-left, bottom-left,
// top-right and bottom-right corners, then top, bottom, left and right edges.
struct Size {
    int w;
    int h;
};
constexpr std::array<std::array<std::string_view, 8>, 3> kScreenRoles = {
    {{"green screen top-left corner", "green screen bottom-left corner",
      "green screen top-right corner", "green screen bottom-right corner", "green screen top edge",
      "green screen bottom edge", "green screen left edge", "green screen right edge"},
     {"cyan screen top-left corner", "cyan screen bottom-left corner",
      "cyan screen top-right corner", "cyan screen bottom-right corner", "cyan screen top edge",
      "cyan screen bottom edge", "cyan screen left edge", "cyan screen right edge"},
     {"blue screen top-left corner", "blue screen bottom-left corner",
      "blue screen top-right corner", "blue screen bottom-right corner", "blue screen top edge",
      "blue screen bottom edge", "blue screen left edge", "blue screen right edge"}}};
constexpr std::array<Size, 8> kGreenScreenSizes = {
    {{189, 197}, {54, 49}, {66, 50}, {37, 38}, {1, 35}, {1, 34}, {37, 1}, {38, 1}}};
constexpr std::array<Size, 8> kCyanScreenSizes = {
    {{189, 175}, {55, 52}, {65, 51}, {133, 114}, {1, 40}, {1, 34}, {36, 1}, {34, 1}}};
constexpr std::array<Size, 8> kBlueScreenSizes = {
    {{249, 197}, {50, 47}, {61, 47}, {46, 42}, {1, 36}, {1, 33}, {37, 1}, {36, 1}}};

struct PadPiece {
    int id;
    int w;
    int h;
    int depth;
    std::string_view role;
};
constexpr std::array<PadPiece, 26> kPadPieces = {{
    {nuvset2::kMilitaryPad.skin, 150, 120, 8, "pad NuvlMilitaryDir skin"},
    {nuvset2::kMilitaryPad.leftArrow, 15, 31, 8, "pad NuvlMilitaryDir held left arrow"},
    {nuvset2::kMilitaryPad.rightArrow, 14, 28, 8, "pad NuvlMilitaryDir held right arrow"},
    {nuvset2::kMilitaryPad.upArrow, 31, 14, 8, "pad NuvlMilitaryDir held up arrow"},
    {nuvset2::kMilitaryPad.downArrow, 28, 14, 8, "pad NuvlMilitaryDir held down arrow"},
    {nuvset2::kMilitaryPad.firstDark, 25, 25, 8, "pad NuvlMilitaryDir status light, dark"},
    {nuvset2::kMilitaryPad.firstLit, 25, 25, 8, "pad NuvlMilitaryDir status light, lit"},
    {nuvset2::kMilitaryPad.mask, 150, 120, 1, "pad NuvlMilitaryDir mask"},
    {nuvset2::kAquaishPad.skin, 150, 120, 8, "pad NuvlAquaishDir skin"},
    {nuvset2::kAquaishPad.leftArrow, 17, 31, 8, "pad NuvlAquaishDir held left arrow"},
    {nuvset2::kAquaishPad.rightArrow, 17, 31, 8, "pad NuvlAquaishDir held right arrow"},
    {nuvset2::kAquaishPad.upArrow, 32, 16, 8, "pad NuvlAquaishDir held up arrow"},
    {nuvset2::kAquaishPad.downArrow, 31, 17, 8, "pad NuvlAquaishDir held down arrow"},
    {nuvset2::kAquaishPad.firstDark, 24, 20, 8, "pad NuvlAquaishDir first light, dark"},
    {nuvset2::kAquaishPad.firstLit, 24, 20, 8, "pad NuvlAquaishDir first light, lit"},
    {nuvset2::kAquaishPad.secondDark, 24, 20, 8, "pad NuvlAquaishDir second light, dark"},
    {nuvset2::kAquaishPad.secondLit, 24, 20, 8, "pad NuvlAquaishDir second light, lit"},
    {nuvset2::kAquaishPad.mask, 150, 120, 1, "pad NuvlAquaishDir mask"},
    {nuvset2::kElectronicPad.skin, 150, 120, 8, "pad NuvlElectronicDir skin"},
    {nuvset2::kElectronicPad.leftArrow, 35, 51, 8, "pad NuvlElectronicDir held left arrow"},
    {nuvset2::kElectronicPad.rightArrow, 35, 51, 8, "pad NuvlElectronicDir held right arrow"},
    {nuvset2::kElectronicPad.upArrow, 51, 37, 8, "pad NuvlElectronicDir held up arrow"},
    {nuvset2::kElectronicPad.downArrow, 51, 36, 8, "pad NuvlElectronicDir held down arrow"},
    {nuvset2::kElectronicPad.firstDark, 37, 36, 8, "pad NuvlElectronicDir status light, dark"},
    {nuvset2::kElectronicPad.firstLit, 37, 36, 8, "pad NuvlElectronicDir status light, lit"},
    {nuvset2::kElectronicPad.mask, 150, 120, 1, "pad NuvlElectronicDir mask"},
}};

ResourceSpec Bitmap(std::string_view lib, int id, int w, int h, int depth, std::string_view role) {
    return {lib, id, ResourceKind::Bitmap, w, h, depth, 0, role};
}

void AddScreen(std::vector<ResourceSpec>& list, const nuvset1::ScreenIds& ids,
               const std::array<Size, 8>& sizes, const std::array<std::string_view, 8>& roles) {
    const std::array<int, 8> pieces = {ids.topLeft, ids.bottomLeft, ids.topRight, ids.bottomRight,
                                       ids.topEdge, ids.bottomEdge, ids.leftEdge, ids.rightEdge};
    for (size_t i = 0; i < sizes.size(); ++i)
        list.push_back(Bitmap(kSet1, pieces[i], sizes[i].w, sizes[i].h, 24, roles[i]));
}

std::vector<ResourceSpec> BuildSet1() {
    using namespace nuvset1;
    std::vector<ResourceSpec> l;
    for (int i = 0; i < kBackgroundCount; ++i)
        l.push_back(
            Bitmap(kSet1, kFirstBackground + i, 250, 100, i == 3 ? 24 : 8, kBackgrounds[i]));
    l.push_back(Bitmap(kSet1, kUncheckedGlyph, 24, 24, 8, "check glyph, unchecked"));
    l.push_back(Bitmap(kSet1, kCheckedGlyph, 24, 24, 8, "check glyph, checked"));
    l.push_back(Bitmap(kSet1, kPressedGlyph, 24, 24, 8, "check glyph, pressed"));
    l.push_back(Bitmap(kSet1, kDisabledGlyph, 24, 24, 8, "check glyph, disabled"));
    for (int i = 0; i < kSphereCount; ++i)
        l.push_back(Bitmap(kSet1, kFirstSphere + i, 32, 32, 8, kSpheres[i]));
    l.push_back({kSet1, kPressSound, ResourceKind::Sound, 0, 0, 0, 2464, "press sound"});
    l.push_back({kSet1, kReleaseSound, ResourceKind::Sound, 0, 0, 0, 3940, "release sound"});
    for (int i = 0; i < kSphereCount; ++i)
        l.push_back(
            Bitmap(kSet1, kFirstPressedSphere + i, 32, 32, i == 7 ? 24 : 8, kSpheresPressed[i]));
    AddScreen(l, kGreenScreen, kGreenScreenSizes, kScreenRoles[0]);
    AddScreen(l, kCyanScreen, kCyanScreenSizes, kScreenRoles[1]);
    AddScreen(l, kBlueScreen, kBlueScreenSizes, kScreenRoles[2]);
    // Pill faces 2, 3 and 7 (TriColor, Crystaline, Spectrum) are true colour, the rest 8 bits.
    for (int i = 0; i < kPillCount; ++i) {
        const int depth = (i == 2 || i == 3 || i == 7) ? 24 : 8;
        l.push_back(Bitmap(kSet1, kFirstPill + i, 175, 32, depth, kPills[i]));
    }
    for (int i = 0; i < kPillCount; ++i) {
        const int depth = (i == 2 || i == 3 || i == 7) ? 24 : 8;
        l.push_back(Bitmap(kSet1, kFirstPressedPill + i, 175, 32, depth, kPillsPressed[i]));
    }
    l.push_back(Bitmap(kSet1, kDisabledSphere, 32, 32, 8, "sphere, disabled"));
    l.push_back(Bitmap(kSet1, kDisabledBackground, 250, 100, 8, "background, disabled"));
    l.push_back(Bitmap(kSet1, kDisabledPill, 175, 32, 8, "pill face, disabled"));
    l.push_back(Bitmap(kSet1, kPillMasks.natural, 175, 32, 1, "pill mask"));
    l.push_back(Bitmap(kSet1, kPillMasks.half, 88, 16, 1, "pill mask, half size"));
    l.push_back(Bitmap(kSet1, kPillMasks.twice, 350, 64, 1, "pill mask, double size"));
    l.push_back(Bitmap(kSet1, kSphereMasks.natural, 32, 32, 1, "sphere mask"));
    l.push_back(Bitmap(kSet1, kSphereMasks.half, 16, 16, 1, "sphere mask, half size"));
    l.push_back(Bitmap(kSet1, kSphereMasks.twice, 64, 64, 1, "sphere mask, double size"));
    l.push_back(Bitmap(kSet1, kAboutLogo, 400, 120, 8, "about dialog logo"));
    l.push_back(Bitmap(kSet1, kAboutPointer, 32, 32, 8, "about dialog link pointer"));
    return l;
}

std::vector<ResourceSpec> BuildSet2() {
    using namespace nuvset2;
    std::vector<ResourceSpec> l;
    l.push_back(Bitmap(kSet2, kLeftCap, 17, 42, 8, "fill cap, left"));
    l.push_back(Bitmap(kSet2, kRightCap, 17, 42, 8, "fill cap, right"));
    l.push_back(Bitmap(kSet2, kTopCap, 42, 17, 8, "fill cap, top"));
    l.push_back(Bitmap(kSet2, kBottomCap, 42, 17, 8, "fill cap, bottom"));
    for (int i = 0; i < kFillCount; ++i)
        l.push_back(Bitmap(kSet2, kFirstHorizontalFill + i, 10, 42, 8, kFills[i]));
    l.push_back(Bitmap(kSet2, kHorizontalDisabledFill, 10, 42, 8, "fill, disabled"));
    for (int i = 0; i < kFillCount; ++i)
        l.push_back(Bitmap(kSet2, kFirstVerticalFill + i, 42, 10, 8, kFills[i]));
    l.push_back(Bitmap(kSet2, kVerticalDisabledFill, 42, 10, 8, "fill, disabled"));
    for (const PadPiece& p : kPadPieces)
        l.push_back(Bitmap(kSet2, p.id, p.w, p.h, p.depth, p.role));
    l.push_back(Bitmap(kSet2, kFillToolboxImage, 16, 15, 24, "toolbox image NuvelFill"));
    l.push_back(Bitmap(kSet2, kPadToolboxImage, 16, 15, 24, "toolbox image NuvelPad"));
    return l;
}

std::vector<ResourceSpec> BuildAll() {
    std::vector<ResourceSpec> all = BuildSet1();
    for (const ResourceSpec& s : BuildSet2())
        all.push_back(s);
    return all;
}

} // namespace

std::span<const ResourceSpec> ResourceList() {
    static const std::vector<ResourceSpec> list = BuildAll();
    return list;
}

const ResourceSpec* FindResourceSpec(std::string_view library, int id, ResourceKind kind) {
    for (const ResourceSpec& s : ResourceList())
        if (s.library == library && s.id == id && s.kind == kind) return &s;
    return nullptr;
}

std::string ResourcePath(const ResourceSpec& listed) {
    return std::string(listed.library) + "/" + std::to_string(listed.id) +
           (listed.kind == ResourceKind::Sound ? ".wav" : ".bmp");
}

static std::string Name(const ResourceSpec& listed) {
    return ResourcePath(listed) + " (" + std::string(listed.role) + ")";
}

std::string CheckBitmap(const ResourceSpec& listed, int width, int height, int depth) {
    std::string problems;
    if (width != listed.width || height != listed.height)
        problems += " size " + std::to_string(width) + " x " + std::to_string(height) +
                    ", expected " + std::to_string(listed.width) + " x " +
                    std::to_string(listed.height) + ";";
    if (depth != listed.depth)
        problems += " depth " + std::to_string(depth) + " bits, expected " +
                    std::to_string(listed.depth) + ";";
    if (problems.empty()) return {};
    problems.pop_back();
    return Name(listed) + ":" + problems;
}

std::string CheckSound(const ResourceSpec& listed, std::size_t bytes) {
    if (bytes == static_cast<std::size_t>(listed.bytes)) return {};
    return Name(listed) + ": " + std::to_string(bytes) + " bytes, expected " +
           std::to_string(listed.bytes);
}

} // namespace nk::resgen
