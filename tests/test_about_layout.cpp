// The about form's look: the elements the dialog's clicks name, their texts and looks, and
// the hit test that turns a point of the form into the element clicked.
#include "set1/about/about.h"
#include "set1/about/about_layout.h"
#include "host/surface/surface_canvas.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace nk {
namespace {

std::vector<std::string> ClickableNames() {
    std::vector<std::string> names = {"Command1", "Command2", "Image2"};
    for (int i = 0; i <= 10; ++i)
        names.push_back("Label1(" + std::to_string(i) + ")");
    return names;
}

const AboutElement& Element(std::string_view name) {
    const AboutElement* e = FindAboutElement(name);
    if (!e) throw std::runtime_error("no element " + std::string(name));
    return *e;
}

TEST(AboutLayout, EveryClickableElementLiesInsideTheForm) {
    for (const auto& name : ClickableNames()) {
        const AboutElement* e = FindAboutElement(name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_TRUE(e->clickable) << name;
        EXPECT_GE(e->left, 0) << name;
        EXPECT_GE(e->top, 0) << name;
        EXPECT_GT(e->width, 0) << name;
        EXPECT_GT(e->height, 0) << name;
        EXPECT_LE(e->left + e->width, kAboutFormWidth) << name;
        EXPECT_LE(e->top + e->height, kAboutFormHeight) << name;
    }
    EXPECT_EQ(FindAboutElement("label1(5)"), FindAboutElement("Label1(5)"));
    EXPECT_EQ(FindAboutElement("Label1(11)"), nullptr);
}

TEST(AboutLayout, TheFormShowsItsTitlesLinksAndButtons) {
    EXPECT_EQ(kAboutTitle, "About Nuvelkit 2001");
    EXPECT_EQ(Element("Label1(0)").text, "Quillon Nuvelkit 2001");
    EXPECT_EQ(Element("Label1(0)").foreColor, 0x00FFFFFFu);
    EXPECT_EQ(Element("Label1(9)").text, "Quillon Software:");
    EXPECT_EQ(Element("Label1(10)").text, "Email:");
    EXPECT_EQ(Element("Label1(8)").text, "Nuvelkit Web Site:");
    EXPECT_EQ(Element("Label1(5)").text, "nuvelkit@quillon.example");
    EXPECT_EQ(Element("Label1(7)").text, "https://www.quillon.example/");
    EXPECT_EQ(Element("Label1(6)").text, "https://www.quillon.example/nuvelkit/");
    EXPECT_EQ(Element("Command2").text, " Web Site ");
    EXPECT_EQ(Element("Command1").text, "OK");
    EXPECT_EQ(Element("Image2").width, 400);
    EXPECT_EQ(Element("Image2").height, 120);
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(Element("Label1(" + std::to_string(i) + ")").text.empty()) << i;
}

TEST(AboutLayout, LabelsAreArialWithBoldCaptionsAndBlueLinksOnWhite) {
    for (int i = 0; i <= 10; ++i) {
        const AboutElement& e = Element("Label1(" + std::to_string(i) + ")");
        EXPECT_EQ(e.font.name, "Arial") << i;
        EXPECT_DOUBLE_EQ(e.font.size, 8.25) << i;
        EXPECT_EQ(e.font.bold, i >= 8) << i;
        const bool link = i >= 5 && i <= 7;
        EXPECT_EQ(e.linkPointer, link) << i;
        if (link) {
            EXPECT_EQ(e.foreColor, 0x00FF0000u) << i;
        }
        if (i >= 5) {
            EXPECT_TRUE(e.opaque) << i;
            EXPECT_EQ(e.backColor, 0x00FFFFFFu) << i;
        }
    }
    for (const auto& e : AboutElements())
        if (e.kind != AboutElementKind::Label) {
            EXPECT_FALSE(e.linkPointer) << e.name;
        }
}

TEST(AboutLayout, ThreeEtchedSeparatorsOfTwoAdjacentLines) {
    for (int pair = 0; pair < 3; ++pair) {
        const AboutElement& dark = Element("Line" + std::to_string(2 * pair + 1));
        const AboutElement& light = Element("Line" + std::to_string(2 * pair + 2));
        EXPECT_EQ(dark.kind, AboutElementKind::Line);
        EXPECT_EQ(dark.foreColor, kButtonShadow);
        EXPECT_TRUE(light.foreColor == k3DHighlight || light.foreColor == k3DLight);
        EXPECT_EQ(light.top, dark.top + 1);
        EXPECT_EQ(light.left, dark.left);
        EXPECT_EQ(light.width, dark.width);
    }
}

TEST(AboutLayout, EachPointOfAnElementHitsThatElementAlone) {
    const auto names = ClickableNames();
    for (const auto& name : names) {
        const AboutElement& e = Element(name);
        // The four corners of the element and its centre.
        const double points[][2] = {{e.left, e.top},
                                    {e.left + e.width - 0.5, e.top},
                                    {e.left, e.top + e.height - 0.5},
                                    {e.left + e.width - 0.5, e.top + e.height - 0.5},
                                    {e.left + e.width / 2, e.top + e.height / 2}};
        for (const auto& p : points) {
            const AboutElement* hit = AboutElementAt(p[0], p[1]);
            ASSERT_NE(hit, nullptr) << name << " at " << p[0] << "," << p[1];
            EXPECT_EQ(hit->name, e.name) << "at " << p[0] << "," << p[1];
        }
    }
    EXPECT_EQ(AboutElementAt(-1, -1), nullptr);
    EXPECT_EQ(AboutElementAt(kAboutFormWidth, kAboutFormHeight), nullptr);
    const AboutElement& separator = Element("Line3");
    EXPECT_EQ(AboutElementAt(separator.left + 200, separator.top), nullptr);
}

// Draws the form with a plain red logo; pixels are 0xRRGGBB.
class AboutDrawing : public ::testing::Test {
protected:
    AboutDrawing()
        : canvas_(kAboutFormWidth, kAboutFormHeight, kButtonFace, kButtonText,
                  Font{"Courier New", 12}) {
        canvas_.SetForeColor(0x00123456);
        DrawAboutForm(canvas_, MakePicture(Image(400, 120, 0xFFFF0000u), "logo"));
    }
    std::uint32_t At(double x, double y) const {
        return canvas_.pixels().At(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFFu;
    }
    // How many pixels of an element's box have exactly the colour.
    int Count(const AboutElement& e, std::uint32_t rgb) const {
        return CountIf(e, [rgb](int r, int g, int b) {
            return static_cast<std::uint32_t>((r << 16) | (g << 8) | b) == rgb;
        });
    }
    // How many pixels of an element's box pass a test of their channels.
    template <typename Test> int CountIf(const AboutElement& e, Test test) const {
        int n = 0;
        for (int y = static_cast<int>(e.top); y < e.top + e.height; ++y)
            for (int x = static_cast<int>(e.left); x < e.left + e.width; ++x) {
                const std::uint32_t p = At(x, y);
                n += test(static_cast<int>(p >> 16), static_cast<int>((p >> 8) & 0xFF),
                          static_cast<int>(p & 0xFF));
            }
        return n;
    }
    SurfaceCanvas canvas_;
};

TEST_F(AboutDrawing, LogoSeparatorsAndLinkBoxesShowTheirColours) {
    const AboutElement& logo = Element("Image2");
    EXPECT_EQ(At(logo.left, logo.top), 0xFF0000u);
    EXPECT_EQ(At(logo.left + logo.width - 1, logo.top + logo.height - 1), 0xFF0000u);
    const AboutElement& line1 = Element("Line1");
    const AboutElement& line2 = Element("Line2");
    EXPECT_EQ(At(100, line1.top), 0x808080u);
    EXPECT_EQ(At(100, line2.top), 0xFFFFFFu);
    EXPECT_EQ(At(kAboutFormWidth - 1, line1.top), 0x808080u);
    for (const char* name : {"Label1(5)", "Label1(6)", "Label1(7)"}) {
        const AboutElement& link = Element(name);
        // Blue text: anti-aliased on white, its pixels keep full blue and lose red and green.
        EXPECT_GT(CountIf(link, [](int r, int g, int b) { return b > 230 && r < 150 && g < 150; }),
                  20)
            << name;
        EXPECT_GT(Count(link, 0xFFFFFFu), link.width * link.height / 2) << name; // on white
    }
    // The title label is white text on the dark banner.
    EXPECT_GT(CountIf(Element("Label1(0)"),
                      [](int r, int g, int b) { return r > 200 && g > 200 && b > 200; }),
              20);
    // The bold captions are dark text on white.
    EXPECT_GT(CountIf(Element("Label1(9)"),
                      [](int r, int g, int b) { return r < 80 && g < 80 && b < 80; }),
              20);
}

TEST_F(AboutDrawing, TheCanvasKeepsItsFontAndColour) {
    EXPECT_EQ(canvas_.GetFont(), (Font{"Courier New", 12}));
    EXPECT_EQ(canvas_.ForeColor(), 0x00123456u);
}

TEST_F(AboutDrawing, APressedButtonLooksPushedIn) {
    SurfaceCanvas pressed(kAboutFormWidth, kAboutFormHeight, kButtonFace, kButtonText, Font{});
    DrawAboutForm(pressed, nullptr, "Command2");
    const AboutElement& button = Element("Command2");
    // The raised frame's light top-left corner becomes the pushed-in shadow.
    EXPECT_EQ(At(button.left, button.top), 0xFFFFFFu);
    EXPECT_EQ(pressed.pixels().At(static_cast<int>(button.left), static_cast<int>(button.top)) &
                  0xFFFFFFu,
              0x808080u);
    // Without a logo picture the banner shows through.
    EXPECT_NE(pressed.pixels().At(20, 20) & 0xFFFFFFu, 0xFF0000u);
}

} // namespace
} // namespace nk
