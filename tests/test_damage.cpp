// What a window must show again: the area each surface records as drawn, joined boxes, and
// the areas of a form that changed, by drawing or by a change of a control's place, border,
// children or glow overlay.
#include "host/forms/form.h"
#include "host/forms/form_damage.h"
#include "host/hosts/compose.h"
#include "host/surface/surface_canvas.h"
#include "kit/classes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace nk {
namespace {

bool Inside(const PixelBox& inner, const PixelBox& outer) {
    return inner.Empty() || Intersect(inner, outer) == inner;
}

std::string Show(const PixelBox& b) {
    return "{" + std::to_string(b.left) + "," + std::to_string(b.top) + "," +
           std::to_string(b.right) + "," + std::to_string(b.bottom) + "}";
}

// Every drawing operation records a box holding each pixel it changed, and no more than a
// small margin round it: only Cls, resizing, unclipped text and direct pixel access cover the
// whole surface.
TEST(SurfaceDirty, TheRecordedAreaHoldsEveryChangedPixelAndLittleMore) {
    const Picture picture = MakePicture(Image(12, 8, 0xFF102030u), "p");
    struct Case {
        const char* name;
        std::function<void(SurfaceCanvas&)> draw;
        bool whole; // the record covers the whole surface
    };
    const std::vector<Case> cases = {
        {"a sloped line", [](SurfaceCanvas& s) { s.Line(10, 10, 30, 22, 0); }, false},
        {"a wide line over the edge",
         [](SurfaceCanvas& s) {
             s.SetDrawWidth(7);
             s.Line(-5, 40, 20, 59, 0);
         },
         false},
        {"a wide box",
         [](SurfaceCanvas& s) {
             s.SetDrawWidth(4);
             s.Line(20, 20, 40, 35, 0, LineKind::Box);
         },
         false},
        {"a filled box", [](SurfaceCanvas& s) { s.Line(50, 5, 60, 9, 0xFF, LineKind::FilledBox); },
         false},
        {"a circle with a wide pen",
         [](SurfaceCanvas& s) {
             s.SetDrawWidth(3);
             s.Circle(40, 30, 10.4, 0);
         },
         false},
        {"an arc", [](SurfaceCanvas& s) { s.Arc(20, 20, 8, 0, 0, 3.1); }, false},
        {"a picture at its own size, partly outside",
         [&](SurfaceCanvas& s) { s.PaintPicture(picture, 74, -3); }, false},
        {"a stretched picture",
         [&](SurfaceCanvas& s) { s.PaintPicture(picture, 5, 5, 30.6, 20.2); }, false},
        {"printed text",
         [](SurfaceCanvas& s) {
             s.SetCurrentX(10);
             s.SetCurrentY(20);
             s.Print("Wg|");
         },
         false},
        {"text in a rectangle",
         [](SurfaceCanvas& s) {
             s.DrawText("Hello", {5, 5, 60, 25}, 0x25);
         },
         false},
        {"text without clipping",
         [](SurfaceCanvas& s) {
             s.DrawText("Hello there", {5, 5, 10, 8}, 0x100);
         },
         true},
        {"clearing", [](SurfaceCanvas& s) { s.Cls(); }, true},
        {"writing the pixels directly", [](SurfaceCanvas& s) { s.pixels().At(1, 1) = 0; }, true},
        {"a resize", [](SurfaceCanvas& s) { s.ResizeTo(90, 60, 0); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SurfaceCanvas s(80, 60, 0xFFFFFF, 0, Font{});
        EXPECT_EQ(s.TakeDirty(), (PixelBox{0, 0, 80, 60})) << "a new surface is all new";
        EXPECT_TRUE(s.dirty().Empty());
        const Image before = s.pixels();
        (void)s.TakeDirty(); // reading the pixels mutably counts as drawing
        c.draw(s);
        const PixelBox dirty = s.dirty();
        const Image& after = static_cast<const SurfaceCanvas&>(s).pixels();
        PixelBox changed;
        for (int y = 0; y < std::min(before.height, after.height); ++y)
            for (int x = 0; x < std::min(before.width, after.width); ++x)
                if (before.At(x, y) != after.At(x, y))
                    changed = Union(changed, {x, y, x + 1, y + 1});
        EXPECT_TRUE(Inside(changed, dirty)) << Show(changed) << " not in " << Show(dirty);
        const PixelBox all{0, 0, s.width(), s.height()};
        if (c.whole) {
            EXPECT_EQ(dirty, all);
        } else {
            EXPECT_FALSE(changed.Empty()) << "the case draws something";
            EXPECT_NE(dirty, all);
        }
        EXPECT_EQ(s.TakeDirty(), dirty);
        EXPECT_TRUE(s.dirty().Empty());
    }
}

TEST(MergeBoxes, JoinsTouchingBoxesClipsAndBoundsTheCount) {
    const PixelBox bounds{0, 0, 100, 100};
    struct Case {
        const char* name;
        std::vector<PixelBox> in;
        std::vector<PixelBox> out;
        std::size_t most;
    };
    const std::vector<Case> cases = {
        {"apart boxes stay apart",
         {{0, 0, 10, 10}, {20, 0, 30, 10}},
         {{0, 0, 10, 10}, {20, 0, 30, 10}},
         16},
        {"touching boxes join", {{0, 0, 10, 10}, {10, 0, 20, 5}}, {{0, 0, 20, 10}}, 16},
        {"a box joining two others joins all three",
         {{0, 0, 10, 10}, {30, 0, 40, 10}, {5, 5, 35, 8}},
         {{0, 0, 40, 10}},
         16},
        {"clipped to the bounds, empty ones dropped",
         {{-5, -5, 5, 5}, {200, 200, 210, 210}, {50, 50, 50, 60}},
         {{0, 0, 5, 5}},
         16},
        {"too many become one",
         {{0, 0, 1, 1}, {10, 10, 11, 11}, {20, 20, 21, 21}},
         {{0, 0, 21, 21}},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MergeBoxes(c.in, bounds, c.most), c.out);
    }
}

// Each change gives areas inside `within` that cover `covers` (form pixels); and composing
// only those areas onto the frame shown before gives the form as it now is.
TEST(FormDamage, GivesTheAreasThatChangedAndNothingElse) {
    const std::vector<const InterfaceTable*> classes = AllClasses();
    const PixelBox a{10, 10, 60, 40}; // Command A's place
    const PixelBox b{100, 10, 150, 40};
    const PixelBox whole{0, 0, 200, 120};
    struct Case {
        const char* name;
        std::function<void(Form&)> change;
        PixelBox covers;
        PixelBox within;
        std::size_t boxes;
    };
    const std::vector<Case> cases = {
        {"nothing", [](Form&) {}, {}, {}, 0},
        {"a line drawn on A",
         [](Form& f) { f.Find("A")->host().Line(5, 5, 20, 5, 0xFF, LineKind::Plain); },
         {15, 15, 30, 16},
         a,
         1},
        {"drawing on A and B",
         [](Form& f) {
             f.Find("A")->host().Line(1, 1, 3, 3, 0xFF, LineKind::Box);
             f.Find("B")->host().Line(1, 1, 3, 3, 0xFF, LineKind::Box);
         },
         {},
         whole,
         2},
        {"A moved: its old and new places",
         [](Form& f) { f.Find("A")->Move(15, 10); },
         {10, 10, 65, 40},
         {10, 10, 65, 40},
         1},
        {"A resized",
         [](Form& f) { f.Find("A")->SetSize(60, 30); },
         {10, 10, 70, 40},
         {10, 10, 70, 40},
         1},
        {"A given a border", [](Form& f) { f.Find("A")->host().SetBorderStyle(1); }, a, a, 1},
        {"A masked",
         [](Form& f) {
             f.Find("A")->host().SetMaskPicture(MakePicture(Image(10, 10, 0xFF000000u), "m"));
         },
         a, a, 1},
        {"A's glow overlay shown",
         [](Form& f) {
             Shape* glow = f.Find("A")->host().ShapeChild("Shape2");
             glow->Move(2, 3, 10, 5);
             glow->SetVisible(true);
         },
         {12, 13, 22, 18},
         {12, 13, 22, 18},
         1},
        {"the fill bar's picture box shown",
         [](Form& f) {
             PictureBox* inside = f.Find("F")->host().PictureBoxChild("Picture1");
             inside->Move(0, 0, 5, 5);
         },
         {10, 60, 110, 102},
         {10, 60, 110, 102},
         1},
        {"the form's back colour", [](Form& f) { f.settings().backColor = 0xFF; }, whole, whole, 1},
        {"a control added", [](Form& f) { f.Add("NuvelCommand", "C", 160, 50, 20, 20); }, whole,
         whole, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form form(classes, {.width = 200, .height = 120});
        ASSERT_NE(form.Add("NuvelCommand", "A", a.left, a.top, a.Width(), a.Height()), nullptr);
        ASSERT_NE(form.Add("NuvelCommand", "B", b.left, b.top, b.Width(), b.Height()), nullptr);
        ASSERT_NE(form.Add("NuvelFill", "F", 10, 60, 100, 42), nullptr);
        FormDamage damage;
        ASSERT_EQ(damage.Collect(form), std::vector<PixelBox>{whole}) << "at first, everything";
        Image frame = form.Compose();
        for (const PixelBox& left : damage.Collect(form))
            ADD_FAILURE() << "left over: " << Show(left);

        c.change(form);
        const std::vector<PixelBox> areas = damage.Collect(form);
        EXPECT_EQ(areas.size(), c.boxes);
        PixelBox all;
        for (const PixelBox& area : areas) {
            EXPECT_TRUE(Inside(area, c.within)) << Show(area);
            all = Union(all, area);
        }
        EXPECT_TRUE(Inside(c.covers, all)) << Show(all);
        for (const PixelBox& area : areas)
            ComposeFormArea(form, frame, area);
        EXPECT_EQ(frame.pixels, form.Compose().pixels);
        EXPECT_TRUE(damage.Collect(form).empty()) << "each change is given once";
    }
}

// The hit test composes one pixel: it must be the pixel the whole control shows there.
TEST(ComposedPixelAt, IsThePixelOfTheWholeComposition) {
    const std::vector<const InterfaceTable*> classes = AllClasses();
    Form form(classes, {.width = 200, .height = 120});
    FormControl* c = form.Add("NuvelCommand", "A", 0, 0, 40, 20);
    ASSERT_NE(c, nullptr);
    c->host().SetBorderStyle(1);
    Image mask(40, 20, 0xFF000000u);
    for (int x = 0; x < 10; ++x)
        mask.At(x, 0) = 0xFFFFFFFFu;
    c->host().SetMaskPicture(MakePicture(mask, "m"));
    Shape* glow = c->host().ShapeChild("Shape2");
    glow->Move(3, 3, 10, 6);
    glow->SetVisible(true);
    glow->SetFillColor(0x00FF00);
    const Image whole = Compose(c->host());
    int seeThrough = 0;
    for (int y = -1; y <= 20; ++y)
        for (int x = -1; x <= 40; ++x) {
            EXPECT_EQ(ComposedPixelAt(c->host(), x, y), ComposedPixel(whole, x, y))
                << x << "," << y;
            seeThrough += !ComposedPixelAt(c->host(), x, y);
        }
    EXPECT_EQ(seeThrough, 10 + 2 * 42 + 2 * 20);
}

} // namespace
} // namespace nk
