// The windowed host's input rules and its window under SDL's dummy drivers: clicks, double
// clicks, capture, masks, hot zones, disabled controls, focus and Tab order, access keys,
// key codes, the timer and the frame the window shows.
#include "host/forms/form.h"
#include "host/hosts/compose.h"
#include "host/window/window_host.h"
#include "kit/classes.h"
#include "set1/command/nuvel_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace nk {
namespace {

// ---------------------------------------------------------------------------------------
// A spy control: notes every notification it receives as "<name>.<notification> <args>".

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

const InterfaceTable& SpyClass();

std::string Num(double v) {
    std::string s = std::to_string(static_cast<int>(v));
    return s;
}

class Spy : public Control {
public:
    explicit Spy(Host& host) : host_(host) {}
    const InterfaceTable& Interface() const override { return SpyClass(); }

    void InitProperties() override {
        if (auto* z = host_.ZoneChild("Image1", 0)) z->Move(30, 0, 10, 10);
        Paint();
    }
    void Paint() override {
        host_.Line(0, 0, host_.ScaleWidth() - 1, host_.ScaleHeight() - 1, color_,
                   LineKind::FilledBox);
    }
    void Click() override {
        Note("Click");
        host_.RaiseEvent(1, {});
    }
    void DblClick() override { Note("DblClick"); }
    void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override {
        Note("MouseDown " + Num(b) + " " + Num(s) + " " + Num(x) + " " + Num(y));
    }
    void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override {
        Note("MouseMove " + Num(b) + " " + Num(s) + " " + Num(x) + " " + Num(y));
        if (!hover_) return;
        const bool inside = x >= 0 && y >= 0 && x <= host_.ScaleWidth() && y <= host_.ScaleHeight();
        if (inside && !hovering_) {
            hovering_ = true;
            host_.SetCapture();
        } else if (!inside && hovering_) {
            hovering_ = false;
            host_.ReleaseCapture();
        }
    }
    void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override {
        Note("MouseUp " + Num(b) + " " + Num(s) + " " + Num(x) + " " + Num(y));
    }
    void KeyDown(std::int16_t k, std::int16_t s) override {
        Note("KeyDown " + Num(k) + " " + Num(s));
    }
    void KeyUp(std::int16_t k, std::int16_t s) override { Note("KeyUp " + Num(k) + " " + Num(s)); }
    void KeyPress(std::int16_t a) override { Note("KeyPress " + Num(a)); }
    void AccessKeyPress(std::int16_t a) override { Note("AccessKeyPress " + Num(a)); }
    void GotFocus() override { Note("GotFocus"); }
    void LostFocus() override { Note("LostFocus"); }
    void EnterFocus() override { Note("EnterFocus"); }
    void ExitFocus() override { Note("ExitFocus"); }
    void ChildClick(ChildRef c) override { Note(Child(c) + ".Click"); }
    void ChildMouseDown(ChildRef c, std::int16_t, std::int16_t, float x, float y) override {
        Note(Child(c) + ".MouseDown " + Num(x) + " " + Num(y));
    }
    void ChildMouseUp(ChildRef c, std::int16_t, std::int16_t, float x, float y) override {
        Note(Child(c) + ".MouseUp " + Num(x) + " " + Num(y));
    }

    void TimerInvoke() {
        ++ticks_;
        color_ = ticks_ % 2 ? 0x00FF00 : 0xFF0000;
        Paint();
    }
    void SetMasked(bool on) {
        if (!on) return host_.SetMaskPicture(nullptr);
        Image mask(40, 40, 0xFF000000u);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                mask.At(x, y) = 0xFFFFFFFFu; // the top-left corner is see-through
        mask.bitsPerPixel = 1;
        host_.SetMaskPicture(MakePicture(std::move(mask), "mask"));
    }

    bool hover_ = false;
    bool hovering_ = false;
    int ticks_ = 0;
    OleColor color_ = 0x0000FF;

private:
    static std::string Child(ChildRef c) {
        return std::string(c.name) + (c.index >= 0 ? "(" + std::to_string(c.index) + ")" : "");
    }
    void Note(const std::string& what) { Log().push_back(host_.AmbientDisplayName() + "." + what); }
    Host& host_;
};

Spy& Self(Control& c) {
    return static_cast<Spy&>(c);
}

const InterfaceTable& SpyClass() {
    static const InterfaceTable table = [] {
        InterfaceTable t;
        t.className = "NuvelSpy";
        t.library = "nuvspy";
        t.typeLibrary = "NuvelSpyLib";
        t.designWidth = 40;
        t.designHeight = 40;
        t.properties = {
            {"Masked", ValueType::Boolean, MemberKind::Own,
             [](Control&) { return Variant::Boolean(kFalse); },
             [](Control& c, const Variant& v) { Self(c).SetMasked(v.number() != 0); }},
            {"Hover", ValueType::Boolean, MemberKind::Field,
             [](Control& c) { return Variant::Boolean(ToVBool(Self(c).hover_)); },
             [](Control& c, const Variant& v) { Self(c).hover_ = v.number() != 0; }},
            {"Ticks", ValueType::Long, MemberKind::Own,
             [](Control& c) { return Variant::Long(Self(c).ticks_); }, nullptr},
        };
        t.methods = {{"TimerInvoke", {}, [](Control& c, std::span<const Variant>) {
                          Self(c).TimerInvoke();
                          return MethodResult{};
                      }}};
        t.events = {{1, "Click", {}}};
        t.children = {{"Image1", ChildKind::ImageZones, 2}};
        t.create = [](Host& h) -> std::unique_ptr<Control> { return std::make_unique<Spy>(h); };
        return t;
    }();
    return table;
}

// The log without pointer moves, and emptied.
std::vector<std::string> Take(bool withMoves = false) {
    std::vector<std::string> out;
    for (const std::string& s : Log())
        if (withMoves || s.find(".MouseMove") == std::string::npos) out.push_back(s);
    Log().clear();
    return out;
}

using Lines = std::vector<std::string>;

class SpyForm : public ::testing::Test {
protected:
    void SetUp() override {
        Log().clear();
        a_ = form_.Add("NuvelSpy", "A", 0, 0);
        b_ = form_.Add("NuvelSpy", "B", 50, 0);
        ASSERT_TRUE(a_ && b_);
        Log().clear();
    }
    void Click(double x, double y) {
        input_.MouseDown(kLeftButton, 0, x, y);
        input_.MouseUp(kLeftButton, 0, x, y);
    }

    std::vector<const InterfaceTable*> classes_{&SpyClass()};
    Form form_{classes_, {.caption = "Spy", .width = 200, .height = 100}};
    FormInput input_{form_};
    FormControl* a_ = nullptr;
    FormControl* b_ = nullptr;
};

TEST_F(SpyForm, APressAndReleaseGivesFocusThenMouseDownMouseUpClick) {
    Click(5, 6);
    EXPECT_EQ(Take(), (Lines{"A.EnterFocus", "A.GotFocus", "A.MouseDown 1 0 5 6",
                             "A.MouseUp 1 0 5 6", "A.Click"}));
    // Coordinates are relative to the control; the focus moves with the next press.
    input_.MouseDown(kLeftButton, kShiftMask, 61, 7);
    EXPECT_EQ(Take(), (Lines{"A.LostFocus", "A.ExitFocus", "B.EnterFocus", "B.GotFocus",
                             "B.MouseDown 1 1 11 7"}));
    // Released outside: the notifications stay with B and there is no click.
    input_.MouseMove(kLeftButton, 0, 5, 5);
    input_.MouseUp(kLeftButton, 0, 5, 5);
    EXPECT_EQ(Take(true), (Lines{"B.MouseMove 1 0 -45 5", "B.MouseUp 1 0 -45 5"}));
    // Nothing under the pointer: nothing happens.
    Click(150, 80);
    EXPECT_TRUE(Take().empty());
}

TEST_F(SpyForm, ADoubleClickGivesDownUpClickDblClickUp) {
    input_.MouseDown(kLeftButton, 0, 5, 5);
    input_.MouseUp(kLeftButton, 0, 5, 5);
    input_.MouseDown(kLeftButton, 0, 5, 5, 2);
    input_.MouseUp(kLeftButton, 0, 5, 5);
    EXPECT_EQ(Take(), (Lines{"A.EnterFocus", "A.GotFocus", "A.MouseDown 1 0 5 5",
                             "A.MouseUp 1 0 5 5", "A.Click", "A.DblClick", "A.MouseUp 1 0 5 5"}));
    // A double click whose first half landed elsewhere is a plain press.
    Click(55, 5);
    input_.MouseDown(kLeftButton, 0, 5, 5, 2);
    input_.MouseUp(kLeftButton, 0, 5, 5);
    const Lines log = Take();
    EXPECT_EQ(std::count(log.begin(), log.end(), "A.DblClick"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "A.Click"), 1);
}

TEST_F(SpyForm, TheControlHoldingTheCaptureSeesMovesOutsideItself) {
    a_->Set("Hover", Variant::Boolean(kTrue));
    input_.MouseMove(0, 0, 10, 10);
    EXPECT_TRUE(a_->host().captured());
    input_.MouseMove(0, 0, 60, 10); // over B, but A holds the capture
    EXPECT_EQ(Take(true), (Lines{"A.MouseMove 0 0 10 10", "A.MouseMove 0 0 60 10"}));
    EXPECT_FALSE(a_->host().captured()); // A let go when it saw the pointer outside
    input_.MouseMove(0, 0, 60, 11);
    EXPECT_EQ(Take(true), (Lines{"B.MouseMove 0 0 10 11"}));
}

TEST_F(SpyForm, AMaskedOutCornerTakesNoClickAndPassesItBelow) {
    b_->Move(20, 20); // B overlaps A's lower right quarter
    b_->Set("Masked", Variant::Boolean(kTrue));
    Click(25, 25); // B's see-through corner: A lies below
    EXPECT_EQ(Take(), (Lines{"A.EnterFocus", "A.GotFocus", "A.MouseDown 1 0 25 25",
                             "A.MouseUp 1 0 25 25", "A.Click"}));
    Click(35, 35); // B's own pixels
    const Lines log = Take();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "B.Click");
    b_->Move(100, 50);
    Click(105, 55); // the corner with nothing below
    EXPECT_TRUE(Take().empty());
    // The composed form shows the background through the corner.
    const Image shown = form_.Compose();
    EXPECT_EQ(shown.At(105, 55), 0xFF000000u | ResolveColor(kButtonFace));
    EXPECT_EQ(shown.At(115, 65), 0xFFFF0000u);
}

TEST_F(SpyForm, ADisabledControlGetsNoInputAndIsSkippedByTab) {
    a_->host().SetEnabled(false);
    Click(5, 5);
    input_.MouseMove(0, 0, 6, 6);
    EXPECT_TRUE(Take(true).empty());
    input_.KeyDown(vk::kTab, 0);
    input_.KeyDown(vk::kTab, 0);
    EXPECT_EQ(Take(), (Lines{"B.EnterFocus", "B.GotFocus"}));
    EXPECT_FALSE(input_.Focus(a_));
    EXPECT_EQ(input_.focused(), b_);
}

TEST_F(SpyForm, TabAndShiftTabMoveTheFocusInTabOrder) {
    FormControl* c = form_.Add("NuvelSpy", "C", 100, 0);
    ASSERT_NE(c, nullptr);
    a_->SetTabIndex(2);
    b_->SetTabIndex(0);
    c->SetTabIndex(1);
    Log().clear();
    input_.KeyDown(vk::kTab, 0);
    input_.KeyDown(vk::kTab, 0);
    input_.KeyDown(vk::kTab, 0);
    input_.KeyDown(vk::kTab, 0); // wraps round
    EXPECT_EQ(Take(),
              (Lines{"B.EnterFocus", "B.GotFocus", "B.LostFocus", "B.ExitFocus", "C.EnterFocus",
                     "C.GotFocus", "C.LostFocus", "C.ExitFocus", "A.EnterFocus", "A.GotFocus",
                     "A.LostFocus", "A.ExitFocus", "B.EnterFocus", "B.GotFocus"}));
    input_.KeyDown(vk::kTab, kShiftMask);
    EXPECT_EQ(Take(), (Lines{"B.LostFocus", "B.ExitFocus", "A.EnterFocus", "A.GotFocus"}));
    input_.KeyUp(vk::kTab, kShiftMask);
    EXPECT_TRUE(Take().empty()); // Tab itself never reaches a control
}

TEST_F(SpyForm, KeysReachTheFocusedControlAsVkCodesWithShiftBits) {
    input_.KeyDown('A', 0); // no focus yet: nobody gets it
    EXPECT_TRUE(Take().empty());
    input_.Focus(b_);
    Take();
    input_.KeyDown('A', 0);
    input_.KeyDown('A', kShiftMask);
    input_.KeyDown(vk::kLeft, kShiftMask | kCtrlMask);
    input_.KeyDown(vk::kSpace, 0);
    input_.KeyDown(vk::kReturn, 0);
    input_.KeyUp(vk::kDown, 0);
    EXPECT_EQ(Take(), (Lines{"B.KeyDown 65 0", "B.KeyPress 97", "B.KeyDown 65 1", "B.KeyPress 65",
                             "B.KeyDown 37 3", "B.KeyDown 32 0", "B.KeyPress 32", "B.KeyDown 13 0",
                             "B.KeyPress 13", "B.KeyUp 40 0"}));
}

TEST_F(SpyForm, AnAccessKeyFocusesItsControlAndSendsAccessKeyPress) {
    b_->host().SetAccessKeys("Qx");
    input_.Focus(a_);
    Take();
    input_.KeyDown('Q', kAltMask);
    EXPECT_EQ(Take(), (Lines{"A.LostFocus", "A.ExitFocus", "B.EnterFocus", "B.GotFocus",
                             "B.AccessKeyPress 113"}));
    input_.KeyDown('X', kAltMask | kShiftMask);
    EXPECT_EQ(Take(), (Lines{"B.AccessKeyPress 88"}));
    // A key nobody holds goes to the focused control as a key, without a character.
    input_.KeyDown('Z', kAltMask);
    EXPECT_EQ(Take(), (Lines{"B.KeyDown 90 4"}));
    // Without Alt the letter is an ordinary key.
    input_.KeyDown('Q', 0);
    EXPECT_EQ(Take(), (Lines{"B.KeyDown 81 0", "B.KeyPress 113"}));
}

TEST_F(SpyForm, AHotZoneTakesTheMouseInsideItRelativeToItself) {
    Click(33, 4);
    EXPECT_EQ(Take(), (Lines{"A.EnterFocus", "A.GotFocus", "A.Image1(0).MouseDown 3 4",
                             "A.Image1(0).MouseUp 3 4", "A.Image1(0).Click"}));
    // Next to the zone, the control itself.
    Click(29, 4);
    EXPECT_EQ(Take(), (Lines{"A.MouseDown 1 0 29 4", "A.MouseUp 1 0 29 4", "A.Click"}));
}

// ---------------------------------------------------------------------------------------
// The real controls.

struct Seen {
    std::vector<std::string> events;
    void Attach(Form& form) {
        form.SetObserver([this](FormControl& c, const EventInfo* info, int, auto) {
            if (info && info->name != "MouseMove")
                events.push_back(c.name() + "." + std::string(info->name));
        });
    }
};

TEST(WindowInput, ADragOutOfAHoveredButtonEndsWithoutAClick) {
    const auto classes = AllClasses();
    Form form(classes, {.width = 400, .height = 200});
    FormControl* cmd = form.Add("NuvelCommand", "Command1", 10, 10, 120, 40);
    ASSERT_NE(cmd, nullptr);
    ASSERT_TRUE(cmd->Set("CoolButton", Variant::Boolean(kTrue)));
    Seen seen;
    seen.Attach(form);
    FormInput input(form);
    const Image rest = form.Compose();
    input.MouseMove(0, 0, 50, 30);
    EXPECT_TRUE(cmd->host().captured());
    EXPECT_NE(form.Compose().pixels, rest.pixels); // the hover look shows
    input.MouseDown(kLeftButton, 0, 50, 30);
    input.MouseMove(kLeftButton, 0, 300, 150);
    input.MouseUp(kLeftButton, 0, 300, 150);
    EXPECT_EQ(seen.events, (Lines{"Command1.MouseDown", "Command1.MouseUp"}));
    EXPECT_FALSE(cmd->host().captured());
    EXPECT_EQ(form.Compose().pixels, rest.pixels); // back at rest
    // A click that stays inside does click.
    seen.events.clear();
    input.MouseDown(kLeftButton, 0, 50, 30);
    input.MouseUp(kLeftButton, 0, 50, 30);
    EXPECT_EQ(seen.events, (Lines{"Command1.MouseDown", "Command1.MouseUp", "Command1.Click"}));
}

TEST(WindowInput, TheAccessKeyOfAButtonClicksIt) {
    const auto classes = AllClasses();
    Form form(classes);
    FormControl* cmd = form.Add("NuvelCommand", "Command1", 0, 0, 100, 40);
    ASSERT_NE(form.Add("NuvelCheck", "Check1", 0, 50), nullptr);
    ASSERT_TRUE(cmd->Set("ShortCutKey", Variant::String("k")));
    Seen seen;
    seen.Attach(form);
    FormInput input(form);
    input.Focus(form.Find("Check1"));
    input.KeyDown('K', kAltMask);
    EXPECT_EQ(input.focused(), cmd);
    EXPECT_EQ(seen.events, (Lines{"Command1.Click"}));
}

TEST(WindowInput, ARoundButtonsCornerIsNotClickable) {
    const auto classes = AllClasses();
    Form form(classes, {.width = 400, .height = 200});
    FormControl* pill = form.Add("NuvelSphere", "Sphere1", 0, 0);
    ASSERT_NE(pill, nullptr);
    ASSERT_TRUE(HasImage(pill->host().maskPicture()));
    Seen seen;
    seen.Attach(form);
    FormInput input(form);
    input.MouseDown(kLeftButton, 0, 0, 0);
    input.MouseUp(kLeftButton, 0, 0, 0);
    EXPECT_TRUE(seen.events.empty());
    const double cx = pill->width() / 2.0, cy = pill->height() / 2.0;
    input.MouseDown(kLeftButton, 0, cx, cy);
    input.MouseUp(kLeftButton, 0, cx, cy);
    ASSERT_FALSE(seen.events.empty());
    EXPECT_EQ(seen.events.back(), "Sphere1.Click");
}

TEST(WindowInput, ThePadsHotZonesMoveItsPoint) {
    const auto classes = AllClasses();
    Form form(classes, {.width = 400, .height = 300});
    FormControl* pad = form.Add("NuvelPad", "Pad1", 20, 20);
    ASSERT_NE(pad, nullptr);
    int lefts = 0;
    pad->On("GoLeft", [&](FormControl&, auto) { ++lefts; });
    const HeadlessZone* left = pad->host().ZoneChild("Image1", 0);
    ASSERT_NE(left, nullptr);
    const double x = 20 + left->left() + left->width() / 2;
    const double y = 20 + left->top() + left->height() / 2;
    const double before = *pad->Get("XValue")->ToDouble();
    FormInput input(form);
    input.MouseDown(kLeftButton, 0, x, y);
    input.MouseUp(kLeftButton, 0, x, y);
    EXPECT_EQ(lefts, 1);
    EXPECT_LT(*pad->Get("XValue")->ToDouble(), before);
}

// ---------------------------------------------------------------------------------------
// The window under SDL's dummy drivers. SDL's key codes and modifiers by value.

constexpr std::int32_t kSdlScancodeBit = 1 << 30;
constexpr std::int32_t kSdlTab = '\t';
constexpr std::int32_t kSdlRight = kSdlScancodeBit | 79;
constexpr std::uint16_t kSdlLeftShift = 0x0001;

class DummyWindow : public ::testing::Test {
protected:
    void SetUp() override {
        // Never a real window or sound device in tests.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
};

TEST_F(DummyWindow, TheTimerStepsAnAnimationAndTheWindowShowsIt) {
    std::vector<const InterfaceTable*> classes{&SpyClass()};
    Form form(classes, {.caption = "Timer", .width = 100, .height = 60, .timerInterval = 50});
    FormControl* a = form.Add("NuvelSpy", "A", 0, 0);
    ASSERT_NE(a, nullptr);
    WindowHost window(form, {.frames = 3, .startSound = false});
    ASSERT_TRUE(window.ok()) << window.error();
    window.Frame(1000); // the clock starts
    EXPECT_EQ(a->Get("Ticks")->ToLong(), 0);
    EXPECT_EQ(window.shown().At(5, 5), 0xFFFF0000u); // red at rest
    window.Frame(1049);
    EXPECT_EQ(a->Get("Ticks")->ToLong(), 0);
    window.Frame(1050);
    EXPECT_EQ(a->Get("Ticks")->ToLong(), 1);
    EXPECT_EQ(window.shown().At(5, 5), 0xFF00FF00u); // the step repainted, the frame shows it
    window.Frame(1160);
    EXPECT_EQ(a->Get("Ticks")->ToLong(), 3);
    EXPECT_EQ(window.shown().pixels, form.Compose().pixels);
    EXPECT_EQ(window.Run(), 3);
}

TEST_F(DummyWindow, SdlEventsBecomeNotifications) {
    std::vector<const InterfaceTable*> classes{&SpyClass()};
    Form form(classes, {.width = 100, .height = 60});
    ASSERT_NE(form.Add("NuvelSpy", "A", 10, 10), nullptr);
    ASSERT_NE(form.Add("NuvelSpy", "B", 60, 10), nullptr);
    WindowHost window(form, {.frames = 1, .startSound = false});
    ASSERT_TRUE(window.ok()) << window.error();
    Log().clear();
    // The events go through SDL's own queue and its translation.
    window.Pump();
    Log().clear();
    ASSERT_NE(window.windowId(), 0u);
    window.PostMouseButton(true, 1, 15, 12);
    window.PostMouseButton(false, 1, 15, 12);
    window.PostKey(true, kSdlTab);
    window.PostKey(true, kSdlRight, kSdlLeftShift);
    EXPECT_TRUE(window.Pump());
    EXPECT_EQ(Take(), (Lines{"A.EnterFocus", "A.GotFocus", "A.MouseDown 1 0 5 2",
                             "A.MouseUp 1 0 5 2", "A.Click", "A.LostFocus", "A.ExitFocus",
                             "B.EnterFocus", "B.GotFocus", "B.KeyDown 39 1"}));
    window.PostQuit();
    EXPECT_FALSE(window.Pump());
}

TEST_F(DummyWindow, TheFirstFrameFocusesTheFirstControlInTabOrderThatTakesTheFocus) {
    struct Case {
        const char* name;
        std::vector<int> tabIndex; // of A, B, C
        std::vector<bool> enabled;
        const char* focusedBefore; // by the application, before the first frame
        Lines log;
    };
    const std::vector<Case> cases = {
        {"tab order, not z-order",
         {2, 0, 1},
         {true, true, true},
         nullptr,
         {"B.EnterFocus", "B.GotFocus"}},
        {"a disabled control is passed over",
         {0, 1, 2},
         {false, true, true},
         nullptr,
         {"B.EnterFocus", "B.GotFocus"}},
        {"nothing takes the focus", {0, 1, 2}, {false, false, false}, nullptr, {}},
        {"the application's choice stays", {0, 1, 2}, {true, true, true}, "C", {}},
    };
    std::vector<const InterfaceTable*> classes{&SpyClass()};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form form(classes, {.width = 200, .height = 60, .timerInterval = 0});
        const char* names[] = {"A", "B", "C"};
        for (int i = 0; i < 3; ++i) {
            FormControl* control = form.Add("NuvelSpy", names[i], i * 50, 0);
            ASSERT_NE(control, nullptr);
            control->SetTabIndex(c.tabIndex[i]);
            control->host().SetEnabled(c.enabled[i]);
        }
        WindowHost window(form, {.frames = 1, .startSound = false});
        ASSERT_TRUE(window.ok()) << window.error();
        if (c.focusedBefore) window.input().Focus(form.Find(c.focusedBefore));
        Log().clear();
        window.Frame(1000);
        EXPECT_EQ(Take(), c.log);
        window.Frame(1100);
        EXPECT_EQ(Take(), Lines{}) << "only the first frame gives the focus";
    }
}

// The about dialog runs its own loop on SDL's queue. After a key that closes it at once, a
// click posted behind the key still reaches the form; a key that does not leaves the dialog
// to read the click (which misses it) and the request to quit that closes it.
TEST_F(DummyWindow, EnterAndEscapeAnswerTheAboutDialogAsOk) {
    constexpr std::int32_t kSdlReturn = '\r';
    constexpr std::int32_t kSdlEscape = 27;
    constexpr std::int32_t kSdlKeypadEnter = kSdlScancodeBit | 88;
    struct Case {
        const char* name;
        std::int32_t key;
        bool closes;
    };
    const std::vector<Case> cases = {{"Return", kSdlReturn, true},
                                     {"Escape", kSdlEscape, true},
                                     {"keypad Enter", kSdlKeypadEnter, true},
                                     {"Space", ' ', false},
                                     {"a letter", 'a', false}};
    std::vector<const InterfaceTable*> classes{&NuvelCommandInterface()};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form form(classes, {.width = 200, .height = 60});
        ASSERT_NE(form.Add("NuvelCommand", "Command1", 10, 10, 100, 30), nullptr);
        int clicks = 0;
        form.On("Command1", "Click", [&](FormControl&, auto) { ++clicks; });
        WindowHost window(form, {.frames = 1, .startSound = false});
        ASSERT_TRUE(window.ok()) << window.error();
        window.Pump();
        window.PostKey(true, c.key);
        window.PostMouseButton(true, 1, 20, 20);
        window.PostMouseButton(false, 1, 20, 20);
        window.PostQuit();
        EXPECT_EQ(form.Find("Command1")->Call("AboutMe").error, 0);
        EXPECT_FALSE(window.Pump()) << "the request to quit reaches the form's window";
        EXPECT_EQ(clicks, c.closes ? 1 : 0);
    }
}

TEST(WindowKeys, SdlKeysMapOntoVkCodesAndShiftBits) {
    EXPECT_EQ(VkFromSdl('a'), 65);
    EXPECT_EQ(VkFromSdl('z'), 90);
    EXPECT_EQ(VkFromSdl('5'), 53);
    EXPECT_EQ(VkFromSdl(' '), 32);
    EXPECT_EQ(VkFromSdl('\r'), 13);
    EXPECT_EQ(VkFromSdl(kSdlScancodeBit | 80), 37); // left
    EXPECT_EQ(VkFromSdl(kSdlScancodeBit | 82), 38); // up
    EXPECT_EQ(VkFromSdl(kSdlRight), 39);
    EXPECT_EQ(VkFromSdl(kSdlScancodeBit | 81), 40);  // down
    EXPECT_EQ(VkFromSdl(kSdlScancodeBit | 58), 112); // F1
    EXPECT_EQ(VkFromSdl(kSdlScancodeBit | 57), 0);   // caps lock
    EXPECT_EQ(ShiftFromSdl(0x0002), 1);              // right shift
    EXPECT_EQ(ShiftFromSdl(0x0040 | 0x0200), 6);     // left ctrl, right alt
    EXPECT_EQ(ShiftFromSdl(0x1000), 0);              // num lock
}

} // namespace
} // namespace nk
