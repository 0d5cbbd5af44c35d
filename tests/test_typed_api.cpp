// The typed API: handles give the same requests as the table by name, event arguments are
// really by reference, change notifications follow every change, lookups check the class,
// and the checked-in reference is what the generator writes.
#include "host/hosts/recording_host.h"
#include "kit/classes.h"
#include "nuvelkit/nuvelkit.h"
#include "tests/api_expected.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

namespace nk {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(TypedApi, ChecksCoverEveryMemberOfEveryClass) {
    const auto classes = AllClasses();
    int members = 0;
    for (const InterfaceTable* t : classes)
        members += static_cast<int>(t->properties.size() + t->methods.size() + t->events.size());
    EXPECT_EQ(apitest::CheckedClasses(), static_cast<int>(classes.size()));
    EXPECT_EQ(apitest::CheckedMembers(), members);
}

// One class's members set and read twice on a traced form: through the typed handle and
// through the table by name. Both must make the same requests of the host, in the same order.
struct TraceCase {
    std::string_view className;
    std::function<void(Form&)> typed;
    std::function<void(FormControl&)> table;
};

std::string Traced(const std::string_view className, const std::function<void(Form&)>& run) {
    std::ostringstream out;
    TraceSink sink(out);
    const auto classes = AllClasses();
    Form form(classes);
    form.SetTrace(&sink);
    std::string error;
    if (!form.Add(className, "Ctl", 0, 0, -1, -1, &error)) return "add failed: " + error;
    out << "--\n"; // what follows is the members' own trace
    run(form);
    return out.str();
}

Variant Bool(bool b) {
    return Variant::Boolean(ToVBool(b));
}

TEST(TypedApi, TypedMembersTraceAsTheTable) {
    const std::vector<TraceCase> cases = {
        {"NuvelCommand",
         [](Form& f) {
             auto c = f.Get<NuvelCommand>("Ctl");
             c.SetCaption("&Go");
             c.SetCoolButton(true);
             c.SetForeColor(kButtonText);
             c.SetFontSize(12.5f);
             c.SetPictureMode(NKPicStyles::RescaleToEdges);
             EXPECT_EQ(c.PictureMode(), NKPicStyles::RescaleToEdges);
             EXPECT_EQ(c.ForeColor(), kButtonText); // a system colour keeps bit 31
             EXPECT_EQ(c.Caption(), "&Go");
         },
         [](FormControl& c) {
             c.Set("Caption", Variant::String("&Go"));
             c.Set("CoolButton", Bool(true));
             c.Set("ForeColor", Variant::Double(kButtonText));
             c.Set("FontSize", Variant::Single(12.5f));
             c.Set("PictureMode", Variant::Long(1));
         }},
        {"NuvelHCommand",
         [](Form& f) {
             auto c = f.Get<NuvelHCommand>("Ctl");
             c.SetLeftCaption("Left");
             c.SetEnabled(false);
             c.SetMousePointer(2);
             EXPECT_FALSE(c.Enabled());
         },
         [](FormControl& c) {
             c.Set("LeftCaption", Variant::String("Left"));
             c.Set("Enabled", Bool(false));
             c.Set("MousePointer", Variant::Integer(2));
         }},
        {"NuvelSphere",
         [](Form& f) {
             auto c = f.Get<NuvelSphere>("Ctl");
             c.SetContentLetter("?");
             c.SetFocusColor(0x00FF00);
             c.SetUseOnTop(true);
             c.SetSphereType(NvlSphereTypeEnum::NvlSphereRainbow);
         },
         [](FormControl& c) {
             c.Set("ContentLetter", Variant::String("?"));
             c.Set("FocusColor", Variant::Double(0x00FF00));
             c.Set("UseOnTop", Bool(true));
             c.Set("SphereType", Variant::Long(3));
         }},
        {"NuvelCheck",
         [](Form& f) {
             auto c = f.Get<NuvelCheck>("Ctl");
             c.SetCaption("Allow");
             c.SetValue(NKBiState::NKChecked);
             EXPECT_EQ(c.Value(), NKBiState::NKChecked);
         },
         [](FormControl& c) {
             c.Set("Caption", Variant::String("Allow"));
             c.Set("Value", Variant::Long(1));
         }},
        {"NuvelScreen",
         [](Form& f) {
             auto c = f.Get<NuvelScreen>("Ctl");
             c.SetBorderStyle(1);
             c.SetMousePointer(3);
         },
         [](FormControl& c) {
             c.Set("BorderStyle", Variant::Integer(1));
             c.Set("MousePointer", Variant::Integer(3));
         }},
        {"NuvelFill",
         [](Form& f) {
             auto c = f.Get<NuvelFill>("Ctl");
             c.SetCaption("Busy");
             c.SetValue(Variant::Long(40));
             c.SetForeColor(0x0000FF);
             c.SetBorderStyle(NKFillBorderStyle::FixedSingle);
         },
         [](FormControl& c) {
             c.Set("Caption", Variant::String("Busy"));
             c.Set("Value", Variant::Long(40));
             c.Set("ForeColor", Variant::Double(0x0000FF));
             c.Set("BorderStyle", Variant::Long(1));
         }},
        {"NuvelPad",
         [](Form& f) {
             auto c = f.Get<NuvelPad>("Ctl");
             c.SetUpToolTip("Up");
             c.SetXValue(0.5f);
             c.SetStatusLight1(1);
             (void)c.ForceLeft();
         },
         [](FormControl& c) {
             c.Set("UpToolTip", Variant::String("Up"));
             c.Set("XValue", Variant::Single(0.5f));
             c.Set("StatusLight1", Variant::Integer(1));
             c.Call("ForceLeft");
         }},
    };
    for (const TraceCase& tc : cases) {
        SCOPED_TRACE(std::string(tc.className));
        const std::string typed = Traced(tc.className, tc.typed);
        const std::string table = Traced(tc.className, [&](Form& f) { tc.table(*f.Find("Ctl")); });
        EXPECT_EQ(typed, table);
        // The members did reach the control: something follows the placement's trace.
        EXPECT_GT(typed.size(), typed.find("--\n") + 3);
    }
}

class TypedForm : public ::testing::Test {
protected:
    std::vector<const InterfaceTable*> classes_ = AllClasses();
    Form form_{classes_};
};

TEST_F(TypedForm, MouseMoveHandlerThatMovesXOutsideEndsTheHover) {
    for (const bool moveOut : {false, true}) {
        SCOPED_TRACE(moveOut ? "handler sets x = -1" : "no handler");
        Form form(classes_);
        auto button = form.Add<NuvelCommand>("Hover", 0, 0, 120, 40);
        button.SetCoolButton(true);
        std::vector<float> seen;
        button.OnMouseMove([&](std::int16_t&, std::int16_t&, float& x, float&) {
            seen.push_back(x);
            if (moveOut && seen.size() == 2) x = -1;
        });
        ControlSite& site = button.control().site();
        site.MouseMove(0, 0, 10, 10);
        EXPECT_TRUE(button.control().host().captured()); // hovering
        site.MouseMove(0, 0, 12, 10);
        EXPECT_EQ(button.control().host().captured(), !moveOut);
        EXPECT_EQ(seen, (std::vector<float>{10, 12}));
    }
}

TEST_F(TypedForm, ValueChangesReachTheHandlerWhereClickDoesNot) {
    auto check = form_.Add<NuvelCheck>("Allow", 0, 0);
    auto button = form_.Add<NuvelCommand>("Go", 0, 60);
    std::vector<NKBiState> values;
    int clicks = 0;
    check.OnClick([&] { ++clicks; });
    check.OnValueChanged([&](NKBiState v) {
        values.push_back(v);
        button.SetEnabled(v == NKBiState::NKChecked);
    });
    ControlSite& site = check.control().site();
    site.KeyDown(32, 0); // the space bar toggles on its release, with no Click
    site.KeyUp(32, 0);
    EXPECT_TRUE(button.Enabled());
    site.MouseDown(1, 0, 5, 5);
    site.MouseUp(1, 0, 5, 5);
    EXPECT_FALSE(button.Enabled());
    check.SetValue(NKBiState::NKChecked);
    using enum NKBiState;
    EXPECT_EQ(values, (std::vector<NKBiState>{NKChecked, NKUnChecked, NKChecked}));
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(button.Enabled());
}

TEST_F(TypedForm, LookupsAndPlacementFailClearly) {
    form_.Add<NuvelCommand>("Hello", 0, 0);
    struct Case {
        std::function<void()> run;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[&] { form_.Get<NuvelCheck>("Hello"); },
         "the control Hello is a NuvelCommand, not a NuvelCheck"},
        {[&] { form_.Get<NuvelCommand>("Nobody"); }, "there is no control named Nobody"},
        {[&] { form_.Add<NuvelFill>("hello", 0, 0); }, "there is already a control named hello"},
        {[&] { form_.Add<NuvelPad>("", 0, 0); }, "a control needs a name"},
        {[&] {
             form_.Get<NuvelCommand>("Hello").SetSideIcon(
                 MakePicture(Image(kMaxPictureSide + 1, 1), "wide"));
         },
         "Hello.SideIcon: a picture of 16385 x 1 pixels is beyond the 16384 pixels a side and "
         "67108864 pixels a picture may hold"},
    };
    for (const Case& c : cases) {
        try {
            c.run();
            ADD_FAILURE() << "no error for: " << c.message;
        } catch (const FormError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    EXPECT_EQ(form_.Get<NuvelCommand>("HELLO").name(), "Hello");
    // The refused picture was not kept; one within the limits is.
    auto hello = form_.Get<NuvelCommand>("Hello");
    EXPECT_FALSE(HasImage(hello.SideIcon()));
    hello.SetSideIcon(MakePicture(Image(kMaxPictureSide, 1), "widest"));
    EXPECT_EQ(hello.SideIcon()->Width(), kMaxPictureSide);
}

TEST_F(TypedForm, MethodsReportTheErrorTheyLetThrough) {
    auto screen = form_.Add<NuvelScreen>("Screen", 0, 0);
    const MethodResult missing = screen.LoadScreenDataFile("/nonexistent/nk/screen.dat");
    EXPECT_NE(missing.error, 0);
    EXPECT_FALSE(missing.description.empty());
    const MethodResult present = screen.LoadScreenDataFile(NK_SOURCE_DIR "/CMakeLists.txt");
    EXPECT_EQ(present.error, 0) << present.description;
}

TEST(TypedApi, CheckedInReferenceIsWhatTheGeneratorWrites) {
    const std::string generated = ReadAll(NK_API_DIR "/api.md");
    ASSERT_FALSE(generated.empty()) << NK_API_DIR "/api.md is missing";
    EXPECT_TRUE(generated == ReadAll(NK_SOURCE_DIR "/docs/api.md"))
        << "docs/api.md differs from what nk_apigen writes; refresh it with "
           "`cmake --build <build> --target nk_api_docs`";
}

} // namespace
} // namespace nk
