// The about form as a modal form: what its press and release click, where it shows the link
// pointer and what it draws while a button is held; and the hosts showing any modal form, not only
// this one.
#include "host/forms/form.h"
#include "host/hosts/headless_host.h"
#include "host/surface/surface_canvas.h"
#include "host/window/window_host.h"
#include "set1/about/about.h"
#include "set1/about/about_layout.h"
#include "set1/command/nuvel_command.h"
#include "set1/screen/nuvel_screen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace nk {
namespace {

// A host of a nuvset1 control, which has the library's resources.
struct AboutHost : HeadlessHost {
    AboutHost() : HeadlessHost(NuvelScreenInterface(), 40, 30) {}
};

struct Point {
    double x, y;
};

Point Centre(std::string_view element) {
    const AboutElement* e = FindAboutElement(element);
    EXPECT_NE(e, nullptr) << element;
    if (!e) return {-1, -1};
    return {e->left + e->width / 2, e->top + e->height / 2};
}

// A point of the top separator, which takes no clicks.
Point OnSeparator() {
    const AboutElement* line = FindAboutElement("Line3");
    return {line->left + 200, line->top};
}

TEST(AboutModal, AReleaseClicksOnlyTheElementThePressWasOn) {
    struct Case {
        const char* name;
        Point down;
        Point up;
        std::string clicked;
    } cases[] = {
        {"the web button", Centre("Command2"), Centre("Command2"), "Command2"},
        {"a link label", Centre("Label1(6)"), Centre("Label1(6)"), "Label1(6)"},
        {"slid off onto OK", Centre("Command2"), Centre("Command1"), ""},
        {"slid off the form", Centre("Command1"), {-5, -5}, ""},
        {"a separator", OnSeparator(), OnSeparator(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AboutHost host;
        AboutForm form(host);
        form.MouseDown(c.down.x, c.down.y);
        EXPECT_EQ(form.MouseUp(c.up.x, c.up.y), c.clicked);
        // The release ended the press: another release clicks nothing.
        EXPECT_EQ(form.MouseUp(c.up.x, c.up.y), "");
        EXPECT_FALSE(form.Closed()) << "a release leaves the click to the host";
    }
}

TEST(AboutModal, TheLinkPointerShowsOverTheLinksOnly) {
    AboutHost host;
    AboutForm form(host);
    const Point points[] = {Centre("Label1(7)"), Centre("Label1(5)"), Centre("Label1(6)"),
                            Centre("Label1(9)"), Centre("Command2"),  OnSeparator()};
    const FormPointer expected[] = {FormPointer::Link,  FormPointer::Link,  FormPointer::Link,
                                    FormPointer::Arrow, FormPointer::Arrow, FormPointer::Arrow};
    for (std::size_t i = 0; i < std::size(points); ++i)
        EXPECT_EQ(form.PointerAt(points[i].x, points[i].y), expected[i]) << i;
    const Picture pointer = form.LinkPointer();
    ASSERT_TRUE(HasImage(pointer)) << "resource 901 of the library";
    EXPECT_EQ(pointer->image()->width, 32);
}

TEST(AboutModal, AHeldButtonIsDrawnPushedInUntilTheRelease) {
    AboutHost host;
    AboutForm form(host);
    const Picture logo = host.LoadResPicture(nuvset1::kAboutLogo);
    ASSERT_TRUE(HasImage(logo));
    auto drawn = [&](std::string_view pressed) {
        SurfaceCanvas canvas(kAboutFormWidth, kAboutFormHeight, kButtonFace, kButtonText, Font{});
        DrawAboutForm(canvas, logo, pressed);
        return canvas.pixels().pixels;
    };
    auto shown = [&] {
        SurfaceCanvas canvas(form.Width(), form.Height(), kButtonFace, kButtonText, Font{});
        form.Draw(canvas);
        return canvas.pixels().pixels;
    };
    ASSERT_NE(drawn(""), drawn("Command2"));
    EXPECT_EQ(shown(), drawn(""));
    const Point web = Centre("Command2");
    form.MouseDown(web.x, web.y);
    EXPECT_EQ(shown(), drawn("Command2"));
    form.MouseUp(0, 0);
    EXPECT_EQ(shown(), drawn(""));
}

// A modal form of the test's own: it records what its host asks of it and closes on the click
// or key it is told to.
class RecordingForm : public ModalForm {
public:
    std::string closingClick = "Done";
    int closingKey = -1;
    std::vector<std::string> calls;
    int drawnWidth = 0, drawnHeight = 0;

    std::string Caption() const override { return "Recording"; }
    int Width() const override { return 120; }
    int Height() const override { return 80; }
    void Draw(Canvas& canvas) override {
        drawnWidth = static_cast<int>(canvas.ScaleWidth());
        drawnHeight = static_cast<int>(canvas.ScaleHeight());
    }
    std::string ElementAt(double, double) const override { return {}; }
    FormPointer PointerAt(double, double) const override { return FormPointer::Arrow; }
    Picture LinkPointer() override { return nullptr; }
    void MouseDown(double, double) override { calls.push_back("down"); }
    std::string MouseUp(double, double) override {
        calls.push_back("up");
        return {};
    }
    void KeyDown(int key) override {
        calls.push_back("key " + std::to_string(key));
        if (key == closingKey) closed_ = true;
    }
    void Click(std::string_view element) override {
        calls.push_back("click " + std::string(element));
        if (element == closingClick) closed_ = true;
    }
    void Close() override {
        calls.push_back("close");
        closed_ = true;
    }
    bool Closed() const override { return closed_; }

private:
    bool closed_ = false;
};

using Calls = std::vector<std::string>;

// SDL's key code of F1: its scan code with the scan-code bit.
constexpr std::int32_t kSdlF1 = (1 << 30) | 58;

TEST(HeadlessModal, AnyFormTakesTheQueuedClicksAndIsClosedWhenTheyRunOut) {
    struct Case {
        const char* name;
        std::vector<std::string> queued;
        Calls calls;
    } cases[] = {
        {"nothing queued", {}, {"close"}},
        {"clicks that leave it open", {"A", "B"}, {"click A", "click B", "close"}},
        {"a click that closes it drops the rest", {"A", "Done", "B"}, {"click A", "click Done"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AboutHost host;
        host.QueueDialogClicks(c.queued);
        RecordingForm form;
        host.ShowModal(form);
        EXPECT_EQ(form.calls, c.calls);
        // What was queued went with the form.
        RecordingForm next;
        host.ShowModal(next);
        EXPECT_EQ(next.calls, Calls{"close"});
    }
}

// The SDL window host draws any form at its size and hands it every key as a VK code; a
// request to quit the application closes it.
TEST(WindowModal, AnyFormIsDrawnAtItsSizeAndTakesTheKeysUntilItCloses) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    struct Case {
        const char* name;
        int closingKey;
        Calls calls;
    } cases[] = {
        {"closed by a key", 65, {"key 32", "key 65"}},
        {"closed by the request to quit", -1, {"key 32", "key 65", "key 112", "close"}},
    };
    std::vector<const InterfaceTable*> classes{&NuvelCommandInterface()};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form form(classes, {.width = 200, .height = 60});
        FormControl* control = form.Add("NuvelCommand", "Command1", 10, 10, 100, 30);
        ASSERT_NE(control, nullptr);
        WindowHost window(form, {.frames = 1, .startSound = false});
        ASSERT_TRUE(window.ok()) << window.error();
        window.Pump();
        window.PostKey(true, ' ');
        window.PostKey(true, 'a');
        window.PostKey(true, kSdlF1);
        window.PostQuit();
        RecordingForm modal;
        modal.closingKey = c.closingKey;
        control->host().ShowModal(modal);
        EXPECT_EQ(modal.calls, c.calls);
        EXPECT_EQ(modal.drawnWidth, 120);
        EXPECT_EQ(modal.drawnHeight, 80);
        EXPECT_FALSE(window.Pump()) << "the request to quit reaches the form's window";
    }
}

} // namespace
} // namespace nk
