// NuvelHCommand where state and pixels matter: the hover state machine step by step, the
// shine's levels and colours on the composed control, the pill masks of the picture modes,
// the picture flags, and a save and load round trip through the bag.
#include "host/forms/json_bag.h"
#include "host/hosts/compose.h"
#include "host/hosts/control_site.h"
#include "set1/hcommand/nuvel_hcommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace nk {
namespace {

constexpr std::int32_t kCustom = static_cast<std::int32_t>(NKHCommandTypes::NKCustom);

Picture Solid(int w, int h, OleColor c, std::string name) {
    return MakePicture(Image(w, h, 0xFF000000u | ResolveColor(c)), std::move(name));
}

// A NuvelHCommand placed as a container places it: InitProperties, Resize, Paint.
class HButton {
public:
    explicit HButton(int w = 175, int h = 32) : site_(NuvelHCommandInterface(), Options(w, h)) {
        site_.InitProperties();
        site_.Resize();
        site_.Paint();
    }

    ControlSite& site() { return site_; }
    NuvelHCommand& control() { return *static_cast<NuvelHCommand*>(site_.control()); }
    NuvelHCommand::State state() { return control().Inspect(); }
    void Set(std::string_view member, const Variant& v) {
        ASSERT_TRUE(site_.Set(member, v)) << member;
    }
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i)
            site_.Call("TimerInvoke", {});
    }
    Image Shown() { return Compose(site_.host()); }
    std::optional<OleColor> Pixel(int x, int y) { return ComposedPixel(Shown(), x, y); }

private:
    static ControlSite::Options Options(int w, int h) {
        ControlSite::Options o;
        o.width = w;
        o.height = h;
        return o;
    }
    ControlSite site_;
};

// ---- Hover sequence ----

struct Step {
    std::int16_t phase;
    std::int16_t state;
};

void ExpectStep(HButton& b, Step want, const std::string& when) {
    const auto s = b.state();
    EXPECT_EQ(s.hoverPhase, want.phase) << when;
    EXPECT_EQ(s.hoverState, want.state) << when;
}

class HoverTest : public ::testing::Test {
protected:
    void SetUp() override {
        b_.Set("PictureNormal", Variant::OfPicture(Solid(175, 32, 0x101010, "normal")));
        b_.Set("PictureOver", Variant::OfPicture(Solid(175, 32, 0x202020, "over")));
        b_.Set("PictureOver2", Variant::OfPicture(Solid(175, 32, 0x303030, "over2")));
        b_.Set("UseOnTop", Variant::Boolean(kTrue));
        b_.Set("UseAnimation", Variant::Boolean(kTrue));
        b_.Set("NuvelStyle", Variant::Long(kCustom));
    }
    OleColor Face() { return b_.Pixel(87, 16).value_or(0xDEADBEEF); }
    HButton b_;
};

TEST_F(HoverTest, WorkedSequenceFromRestShowsOverJustLeftAndNormal) {
    ExpectStep(b_, {0, 0}, "at rest");
    b_.site().MouseMove(0, 0, 20, 10);
    ExpectStep(b_, {4, 1}, "after the first move");
    EXPECT_EQ(Face(), 0x202020u);
    b_.site().MouseMove(0, 0, 21, 10);
    ExpectStep(b_, {4, 1}, "after a second move");

    const std::vector<Step> ticks = {{3, 1}, {3, 2}, {2, 2}, {1, 2}, {0, 0}, {-1, 0}, {-1, 0}};
    const std::vector<OleColor> faces = {0x202020, 0x202020, 0x202020, 0x202020,
                                         0x303030, 0x101010, 0x101010};
    for (size_t i = 0; i < ticks.size(); ++i) {
        b_.Tick();
        ExpectStep(b_, ticks[i], "tick " + std::to_string(i + 1));
        EXPECT_EQ(Face(), faces[i]) << "tick " << i + 1;
    }
}

TEST_F(HoverTest, MoveAfterStateTwoRestartsTheCountdownFromTwo) {
    b_.site().MouseMove(0, 0, 20, 10);
    b_.Tick(2);
    ExpectStep(b_, {3, 2}, "after two ticks");
    b_.site().MouseMove(0, 0, 20, 10);
    // Rules 2 and 6 need state 1 or 0, so the phase stays 2 and the face is repainted.
    ExpectStep(b_, {2, 2}, "after a move in state 2");
    b_.Tick();
    ExpectStep(b_, {1, 2}, "the countdown goes on from 2");
    b_.Tick();
    ExpectStep(b_, {0, 0}, "rule 7 resets the state");
}

TEST_F(HoverTest, IdlePhaseStaysAtMinusOne) {
    b_.site().MouseMove(0, 0, 20, 10);
    b_.Tick(20);
    ExpectStep(b_, {-1, 0}, "after many ticks");
    // A new move from idle starts over.
    b_.site().MouseMove(0, 0, 20, 10);
    ExpectStep(b_, {4, 1}, "a move from idle");
}

TEST_F(HoverTest, NoCountdownWithoutAnimationOrUseOnTopOrCustomStyle) {
    const auto check = [this](const char* what) {
        b_.site().MouseMove(0, 0, 20, 10);
        b_.Tick(3);
        ExpectStep(b_, {4, 1}, what);
    };
    b_.Set("UseAnimation", Variant::Boolean(kFalse));
    check("UseAnimation off");
    b_.Set("UseAnimation", Variant::Boolean(kTrue));
    b_.Set("UseOnTop", Variant::Boolean(kFalse));
    check("UseOnTop off");
    b_.Set("UseOnTop", Variant::Boolean(kTrue));
    b_.Set("NuvelStyle", Variant::Long(2));
    check("a built-in style");
}

// ---- Shine ----

class ShineTest : public ::testing::Test {
protected:
    void SetUp() override {
        b_.Set("NuvelStyle", Variant::Long(kCustom));
        b_.Set("PictureNormal", Variant::OfPicture(Solid(175, 32, 0x404040, "gray")));
        b_.Set("UseAnimation", Variant::Boolean(kTrue));
    }
    // The middle of the top edge, where the glow's top line runs.
    OleColor Edge() { return b_.Pixel(87, 1).value_or(0xDEADBEEF); }
    HButton b_;
};

TEST_F(ShineTest, LevelsRiseAndFallInSteps) {
    b_.site().Call("ShineEdges", {});
    const std::vector<int> levels = {32,  64,  96,  128, 160, 192, 224, 255,
                                     223, 191, 159, 127, 95,  63,  31,  0};
    for (size_t i = 0; i < levels.size(); ++i) {
        b_.Tick();
        EXPECT_EQ(b_.state().shineLevel, levels[i]) << "tick " << i + 1;
        EXPECT_EQ(Edge(), RGB(levels[i], levels[i], levels[i])) << "tick " << i + 1;
    }
    EXPECT_EQ(b_.state().shinePhase, 32);
    b_.Tick();
    EXPECT_EQ(b_.state().shinePhase, 0);
    // The finishing repaint covers the glow with the face again.
    EXPECT_EQ(Edge(), 0x404040u);
}

TEST_F(ShineTest, GlowCoversTopBottomAndBothEnds) {
    b_.Set("ShineMode", Variant::Long(static_cast<std::int32_t>(NKHShineModes::NKHYellowShine)));
    b_.site().Call("ShineEdges", {});
    b_.Tick(8);
    const OleColor yellow = RGB(255, 255, 0);
    const Image shown = b_.Shown();
    EXPECT_EQ(ComposedPixel(shown, 87, 1), yellow);
    EXPECT_EQ(ComposedPixel(shown, 87, 31), yellow);
    // The ends: the arcs of radius 15 around (16, 16) and (159, 16).
    EXPECT_EQ(ComposedPixel(shown, 1, 16), yellow);
    EXPECT_EQ(ComposedPixel(shown, 174, 16), yellow);
    // Inside stays the face.
    EXPECT_EQ(ComposedPixel(shown, 87, 16), 0x404040u);
    // The pen is set back to 1 after the glow.
    EXPECT_EQ(b_.site().host().surface().DrawWidth(), 1);
}

TEST(ShineColorTest, EachModeMixesTheLevelIntoItsChannels) {
    EXPECT_EQ(ShineColor(0, 100), RGB(100, 100, 100));
    EXPECT_EQ(ShineColor(1, 100), RGB(100, 0, 0));
    EXPECT_EQ(ShineColor(2, 100), RGB(0, 100, 0));
    EXPECT_EQ(ShineColor(3, 100), RGB(0, 0, 100));
    EXPECT_EQ(ShineColor(4, 100), RGB(0, 100, 100));
    EXPECT_EQ(ShineColor(5, 100), RGB(100, 0, 100));
    EXPECT_EQ(ShineColor(6, 100), RGB(100, 100, 0));
    EXPECT_EQ(ShineColor(7, 100), 0u);
    EXPECT_EQ(ShineColor(-1, 255), 0u);
}

TEST_F(ShineTest, ShineEdgesWhileFallingRisesFromTheCurrentLevel) {
    b_.site().Call("ShineEdges", {});
    b_.Tick(10); // 255, then 223 and 191
    EXPECT_EQ(b_.state().shineLevel, 191);
    b_.site().Call("ShineEdges", {});
    b_.Tick();
    EXPECT_EQ(b_.state().shineLevel, 223);
    EXPECT_EQ(b_.state().shinePhase, 1);
    b_.Tick();
    EXPECT_EQ(b_.state().shineLevel, 255);
    EXPECT_EQ(b_.state().shinePhase, 2);
}

TEST_F(ShineTest, DisabledControlShinesOverItsDisabledFace) {
    b_.Set("PictureDisabled", Variant::OfPicture(Solid(175, 32, 0x808080, "off")));
    b_.Set("Enabled", Variant::Boolean(kFalse));
    b_.site().Call("ShineEdges", {});
    b_.Tick(8);
    EXPECT_EQ(Edge(), 0xFFFFFFu);
    EXPECT_EQ(b_.Pixel(87, 16), 0x808080u);
}

// ---- Faces and shape ----

TEST(HCommandFaceTest, FixedSizeFacesAreStretchedOverRescaledControls) {
    // Placed, the control first snaps to 175 x 32; the rescaling mode lets it take any size.
    HButton b(300, 60);
    b.Set("PictureMode", Variant::Long(1));
    ASSERT_TRUE(b.site().SetSize(300, 60));
    b.Set("NuvelStyle", Variant::Long(kCustom));
    b.Set("PictureNormal", Variant::OfPicture(Solid(175, 32, 0x00A0F0, "face")));
    b.Set("Caption", Variant::String(""));
    const Image shown = b.Shown();
    ASSERT_EQ(shown.width, 300);
    ASSERT_EQ(shown.height, 60);
    for (int x = 40; x < 260; x += 20) {
        EXPECT_EQ(ComposedPixel(shown, x, 5), 0x00A0F0u) << x;
        EXPECT_EQ(ComposedPixel(shown, x, 55), 0x00A0F0u) << x;
    }
}

TEST(HCommandFaceTest, MasksMakeThePillShapeInEachMode) {
    struct Case {
        std::int32_t mode;
        int w, h;
    };
    for (const Case c : {Case{0, 175, 32}, Case{1, 300, 60}, Case{2, 120, 24}, Case{3, 88, 16},
                         Case{4, 350, 64}, Case{5, 350, 64}}) {
        HButton b;
        b.Set("PictureMode", Variant::Long(c.mode));
        b.site().SetSize(c.w, c.h);
        const Image shown = b.Shown();
        ASSERT_EQ(shown.width, c.w) << "mode " << c.mode;
        ASSERT_EQ(shown.height, c.h) << "mode " << c.mode;
        // The corners are outside the rounded ends; the middle and the ends' middles are in.
        EXPECT_FALSE(ComposedPixel(shown, 0, 0)) << "mode " << c.mode;
        EXPECT_FALSE(ComposedPixel(shown, c.w - 1, 0)) << "mode " << c.mode;
        EXPECT_FALSE(ComposedPixel(shown, 0, c.h - 1)) << "mode " << c.mode;
        EXPECT_FALSE(ComposedPixel(shown, c.w - 1, c.h - 1)) << "mode " << c.mode;
        EXPECT_TRUE(ComposedPixel(shown, c.w / 2, c.h / 2)) << "mode " << c.mode;
        EXPECT_TRUE(ComposedPixel(shown, 3, c.h / 2)) << "mode " << c.mode;
        EXPECT_TRUE(ComposedPixel(shown, c.w - 4, c.h / 2)) << "mode " << c.mode;
    }
}

TEST(HCommandFaceTest, RescaledMaskFollowsEveryResize) {
    HButton b(200, 40);
    b.Set("PictureMode", Variant::Long(2));
    ASSERT_TRUE(b.site().SetSize(400, 30));
    const Image shown = b.Shown();
    ASSERT_EQ(shown.width, 400);
    EXPECT_TRUE(ComposedPixel(shown, 396, 15));
    EXPECT_FALSE(ComposedPixel(shown, 399, 0));
    EXPECT_FALSE(ComposedPixel(shown, 0, 29));
    const Picture& mask = b.site().host().maskPicture();
    ASSERT_TRUE(HasImage(mask));
    EXPECT_EQ(mask->Width(), 400);
    EXPECT_EQ(mask->Height(), 30);
}

TEST(HCommandFaceTest, ColourOutlineIsDrawnInFocusColourOnlyWithFocusAndShowFocus) {
    HButton b;
    b.Set("NuvelStyle", Variant::Long(kCustom));
    b.Set("PictureNormal", Variant::OfPicture(Solid(175, 32, 0x404040, "gray")));
    b.Set("FocusStyle", Variant::Long(1));
    b.Set("FocusColor", Variant::Double(0x0000FF));
    b.site().GotFocus();
    EXPECT_EQ(b.Pixel(87, 1), 0x404040u) << "no outline without ShowFocus";
    b.Set("ShowFocus", Variant::Boolean(kTrue));
    b.site().Paint();
    EXPECT_EQ(b.Pixel(87, 1), 0x0000FFu);
    EXPECT_EQ(b.Pixel(87, 29), 0x0000FFu);
    EXPECT_EQ(b.Pixel(2, 15), 0x0000FFu); // the left arc's leftmost point, (16 - 14, 15)
    b.site().LostFocus();
    EXPECT_EQ(b.Pixel(87, 1), 0x404040u);
}

TEST(HCommandFaceTest, SurfaceKeepsRightColorAfterARepaint) {
    HButton b;
    b.Set("ForeColor", Variant::Double(0x0000FF));
    b.Set("LeftColor", Variant::Double(0x00FF00));
    b.Set("RightColor", Variant::Double(0xFF0000));
    EXPECT_EQ(b.site().host().ForeColor(), 0xFF0000u);
    EXPECT_EQ(b.control().ForeColor(), 0x0000FFu);
}

TEST(HCommandFaceTest, CaptionsAreDrawnInTheirColours) {
    HButton b;
    b.Set("NuvelStyle", Variant::Long(kCustom));
    b.Set("PictureNormal", Variant::OfPicture(Solid(175, 32, 0xFFFFFF, "white")));
    b.Set("Font", Variant::OfFont(Font{"Arial", 12, true}));
    b.Set("Caption", Variant::String("MMM"));
    b.Set("LeftCaption", Variant::String("MM"));
    b.Set("RightCaption", Variant::String("MM"));
    b.Set("ForeColor", Variant::Double(0x0000FF));
    b.Set("LeftColor", Variant::Double(0x00FF00));
    b.Set("RightColor", Variant::Double(0xFF0000));
    const Image shown = b.Shown();
    // Count the solid caption pixels in three bands: left, centre, right.
    const auto count = [&](int x0, int x1, OleColor c) {
        int n = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = x0; x < x1; ++x)
                n += ComposedPixel(shown, x, y) == c;
        return n;
    };
    EXPECT_GT(count(0, 50, 0x00FF00), 10);
    EXPECT_GT(count(60, 115, 0x0000FF), 10);
    EXPECT_GT(count(125, 175, 0xFF0000), 10);
    EXPECT_EQ(count(0, 50, 0xFF0000), 0);
    EXPECT_EQ(count(125, 175, 0x00FF00), 0);
}

// ---- Model and persistence ----

TEST(HCommandModelTest, PictureFlagsFollowThePictures) {
    HButton b;
    auto s = b.state();
    EXPECT_TRUE(s.hasPictureNormal && s.hasPictureOver && s.hasPicturePushed &&
                s.hasPictureDisabled);
    EXPECT_FALSE(s.hasPictureOver2);
    b.Set("PictureOver2", Variant::OfPicture(MakeEmptyPicture()));
    EXPECT_TRUE(b.state().hasPictureOver2) << "an empty picture counts";
    b.Set("PicturePushed", Variant::OfPicture(nullptr));
    EXPECT_FALSE(b.state().hasPicturePushed);

    JsonBag empty;
    b.site().ReadProperties(empty);
    s = b.state();
    EXPECT_FALSE(s.hasPictureNormal || s.hasPictureOver || s.hasPictureOver2 ||
                 s.hasPicturePushed || s.hasPictureDisabled);
}

TEST(HCommandModelTest, SaveAndLoadRoundTripKeepsEveryMember) {
    HButton a;
    const Picture face = Solid(175, 32, 0x336699, "face");
    const std::vector<std::pair<std::string, Variant>> values = {
        {"ShowFocus", Variant::Boolean(kTrue)},
        {"FocusColor", Variant::Double(0x123456)},
        {"UseSound", Variant::Boolean(kTrue)},
        {"SoundMethod", Variant::Long(1)},
        {"AllowMultiLine", Variant::Boolean(kTrue)},
        {"AdjustTop", Variant::Long(-3)},
        {"UseAnimation", Variant::Boolean(kTrue)},
        {"ShortCutKey", Variant::String("q")},
        {"Font", Variant::OfFont(Font{"Times New Roman", 11, true, true, false, true})},
        {"ShineMode", Variant::Long(4)},
        {"ForeColor", Variant::Double(0x80000008)},
        {"LeftColor", Variant::Double(0x010203)},
        {"RightColor", Variant::Double(0x040506)},
        {"MousePointer", Variant::Integer(11)},
        {"NuvelStyle", Variant::Long(6)},
        {"UseOnTop", Variant::Boolean(kFalse)},
        {"Caption", Variant::String("Go")},
        {"LeftCaption", Variant::String("<")},
        {"CoolGlowColor", Variant::Double(0xFF)},
        {"CoolUseGlow", Variant::Boolean(kFalse)},
        {"RightCaption", Variant::String(">")},
        {"FocusStyle", Variant::Long(3)},
        {"PicturePushed", Variant::OfPicture(face)},
        {"PictureOver", Variant::OfPicture(nullptr)},
        {"PictureNormal", Variant::OfPicture(face)},
        {"PictureDisabled", Variant::OfPicture(MakeEmptyPicture())},
        {"PictureOver2", Variant::OfPicture(face)},
        {"PictureMode", Variant::Long(1)},
        {"Enabled", Variant::Boolean(kFalse)},
    };
    for (const auto& [name, value] : values)
        a.Set(name, value);
    JsonBag bag;
    ASSERT_TRUE(a.site().WriteProperties(bag));

    ControlSite b(NuvelHCommandInterface());
    ASSERT_TRUE(b.ReadProperties(bag));
    for (const auto& [name, value] : values) {
        const auto got = b.Get(name);
        ASSERT_TRUE(got) << name;
        EXPECT_TRUE(got->SameValue(value) ||
                    (value.kind() == VariantKind::Picture &&
                     PictureName(got->picture()) == PictureName(value.picture())))
            << name << ": " << VariantToString(*got);
    }
    // The keys were written under their own names, the multi-line one included.
    std::vector<std::string> keys;
    for (const auto& [key, value] : bag.entries())
        keys.push_back(key);
    EXPECT_NE(std::find(keys.begin(), keys.end(), "AllowMultiLine"), keys.end());
}

TEST(HCommandModelTest, DefaultsAreNotStoredAndReadBackByTheirReadDefaults) {
    HButton a;
    a.Set("Caption", Variant::String("0"));
    a.Set("UseOnTop", Variant::Boolean(kTrue));
    JsonBag bag;
    ASSERT_TRUE(a.site().WriteProperties(bag));
    for (const auto& [key, value] : bag.entries()) {
        EXPECT_NE(key, "Caption");
        EXPECT_NE(key, "UseAnimation");
        EXPECT_NE(key, "UseOnTop");
        EXPECT_NE(key, "FocusColor");
        EXPECT_NE(key, "CoolGlowColor");
        EXPECT_NE(key, "CoolUseGlow");
    }
    ControlSite b(NuvelHCommandInterface());
    ASSERT_TRUE(b.ReadProperties(bag));
    EXPECT_EQ(b.Get("Caption")->text(), "0");
    EXPECT_EQ(b.Get("UseAnimation")->number(), kTrue);
    EXPECT_EQ(b.Get("UseOnTop")->number(), kTrue);
    EXPECT_EQ(b.Get("FocusColor")->number(), 0xFF00);
    EXPECT_EQ(b.Get("CoolGlowColor")->number(), 0xC00000);
}

// A bag that remembers the keys asked for and stored, spelled as the control spells them.
class KeyLogBag : public PropertyBag {
public:
    std::optional<Variant> Find(std::string_view key) const override {
        read.emplace_back(key);
        return std::nullopt;
    }
    void Store(std::string_view key, const Variant&) override { written.emplace_back(key); }
    mutable std::vector<std::string> read;
    std::vector<std::string> written;
};

TEST(HCommandModelTest, KeysAreReadAndWrittenInTheirOrdersAndSpellings) {
    ControlSite site(NuvelHCommandInterface());
    KeyLogBag bag;
    ASSERT_TRUE(site.ReadProperties(bag));
    const std::vector<std::string> readOrder = {
        "Enabled",       "Font",           "FontBold",      "FontItalic",    "FontName",
        "FontSize",      "FontStrikethru", "FontUnderline", "ForeColor",     "MouseIcon",
        "MousePointer",  "NuvelStyle",     "Caption",       "ShowFocus",     "FocusStyle",
        "PicturePushed", "PictureOver",    "PictureOver2",  "PictureNormal", "PictureDisabled",
        "FocusColor",    "UseAnimation",   "PictureMode",   "ShineMode",     "UseOnTop",
        "LeftCaption",   "RightCaption",   "LeftColor",     "RightColor",    "ShortCutKey",
        "UseSound",      "SoundMethod",    "CoolGlowColor", "CoolUseGlow",   "AllowMultiline",
        "AdjustTop"};
    EXPECT_EQ(bag.read, readOrder);

    // Every value differs from its write default, so every key is stored.
    site.Set("Enabled", Variant::Boolean(kFalse));
    site.Set("Font", Variant::OfFont(Font{"Arial", 9, true, true, true, true}));
    site.Set("ForeColor", Variant::Double(1));
    site.Set("MouseIcon", Variant::OfPicture(MakeEmptyPicture()));
    site.Set("MousePointer", Variant::Integer(2));
    site.Set("NuvelStyle", Variant::Long(3));
    site.Set("Caption", Variant::String("c"));
    site.Set("ShowFocus", Variant::Boolean(kTrue));
    site.Set("FocusStyle", Variant::Long(1));
    for (const char* p :
         {"PictureNormal", "PictureOver", "PictureOver2", "PicturePushed", "PictureDisabled"})
        site.Set(p, Variant::OfPicture(MakeEmptyPicture()));
    site.Set("FocusColor", Variant::Double(1));
    site.Set("PictureMode", Variant::Long(2));
    site.Set("UseAnimation", Variant::Boolean(kTrue));
    site.Set("ShineMode", Variant::Long(1));
    site.Set("UseOnTop", Variant::Boolean(kFalse));
    site.Set("ShortCutKey", Variant::String("s"));
    site.Set("LeftCaption", Variant::String("l"));
    site.Set("RightCaption", Variant::String("r"));
    site.Set("LeftColor", Variant::Double(1));
    site.Set("RightColor", Variant::Double(1));
    site.Set("UseSound", Variant::Boolean(kTrue));
    site.Set("SoundMethod", Variant::Long(1));
    site.Set("CoolGlowColor", Variant::Double(1));
    site.Set("CoolUseGlow", Variant::Boolean(kFalse));
    site.Set("AllowMultiLine", Variant::Boolean(kTrue));
    site.Set("AdjustTop", Variant::Long(1));
    ASSERT_TRUE(site.WriteProperties(bag));
    const std::vector<std::string> writeOrder = {
        "Enabled",       "Font",           "FontBold",      "FontItalic",    "FontName",
        "FontSize",      "FontStrikethru", "FontUnderline", "ForeColor",     "MouseIcon",
        "MousePointer",  "NuvelStyle",     "Caption",       "ShowFocus",     "FocusStyle",
        "PictureNormal", "PictureOver",    "PictureOver2",  "PicturePushed", "PictureDisabled",
        "FocusColor",    "PictureMode",    "UseAnimation",  "ShineMode",     "UseOnTop",
        "ShortCutKey",   "LeftCaption",    "RightCaption",  "LeftColor",     "RightColor",
        "UseSound",      "SoundMethod",    "CoolGlowColor", "CoolUseGlow",   "AllowMultiLine",
        "AdjustTop"};
    EXPECT_EQ(bag.written, writeOrder);
}

TEST(HCommandModelTest, WrongKindsInTheBagAreSkipped) {
    ControlSite b(NuvelHCommandInterface());
    JsonBag bag;
    std::string error;
    ASSERT_TRUE(bag.Parse(R"({"NuvelStyle":"many","Caption":{"font":{"name":"Arial","size":9,)"
                          R"("bold":false,"italic":false,"underline":false,"strikethru":false}},)"
                          R"("PictureMode":"1","AdjustTop":1e12})",
                          {}, error))
        << error;
    ASSERT_TRUE(b.ReadProperties(bag));
    EXPECT_EQ(b.Get("NuvelStyle")->number(), 0);
    EXPECT_EQ(b.Get("PictureMode")->number(), 1) << "a string holding a number converts";
    EXPECT_EQ(b.Get("AdjustTop")->number(), 0) << "too large for 32 bits";
    EXPECT_EQ(b.Get("Caption")->text(), "");
}

} // namespace
} // namespace nk
