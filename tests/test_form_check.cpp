// Form files that help: unknown bag members and values of the wrong type are warnings that
// name the file, the place and the nearest member, or errors when strict; colours may be
// written as "#RRGGBB" or by a system colour's name; what the kit writes reads back strict,
// without a warning, to the same bytes.
#include "host/forms/form.h"
#include "host/forms/form_check.h"
#include "kit/classes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace nk {
namespace {

std::string OneControl(const std::string& cls, const std::string& bag,
                       const std::string& form = "{}") {
    return R"({"format":"nuvelkit-form","version":1,"form":)" + form +
           R"(,"controls":[{"class":")" + cls +
           R"(","name":"C1","left":0,"top":0,"width":1500,"height":600,"bag":)" + bag + "}]}";
}

TEST(FormCheck, UnknownMembersAndWrongTypesAreWarningsOrStrictErrors) {
    struct Case {
        std::string cls;
        std::string bag;
        std::string warning; // "" when the bag is sound
    };
    const std::vector<Case> cases = {
        {"NuvelCommand", R"({"Caption":"Go"})", ""},
        {"NuvelCommand", R"({"caption":"Go"})", ""}, // keys are read in any letter case
        {"NuvelCommand", R"({"Capton":"Go"})",
         "f.nkform: /controls/0/bag/Capton: unknown member Capton of NuvelCommand; did you "
         "mean Caption?"},
        {"NuvelCommand", R"({"Zzzzzz":1})",
         "/controls/0/bag/Zzzzzz: unknown member Zzzzzz of NuvelCommand"},
        {"NuvelCommand", R"({"Caption":5})",
         "/controls/0/bag/Caption: expected a string for Caption of NuvelCommand, found 5"},
        {"NuvelCheck", R"({"Caption":true})", "expected a string for Caption"},
        {"NuvelFill", R"({"CaptionStyle":"big"})",
         "expected a number for CaptionStyle of NuvelFill"},
        {"NuvelCommand", R"({"Caption":null})", ""},
        // Hostile keys and values reach the message escaped and cut short.
        {"NuvelCommand", R"({"\u001b[31mRed":1})",
         R"(/controls/0/bag/"\u001b[31mRed": unknown member "\u001b[31mRed" of NuvelCommand)"},
        {"NuvelCommand", "{\"" + std::string(100000, 'K') + "\":1}",
         "/controls/0/bag/\"" + std::string(80, 'K') + "\u2026\": unknown member \""},
        {"NuvelCommand", R"({"ForeColor":")" + std::string(100000, 'x') + "\"}",
         "found \"" + std::string(80, 'x') + "\u2026\""},
    };
    const auto classes = AllClasses();
    for (const Case& c : cases) {
        const std::string text = OneControl(c.cls, c.bag);
        std::vector<std::string> warnings;
        std::string error;
        auto form = Form::FromJson(text, "f.nkform", classes, error, {.warnings = &warnings});
        ASSERT_TRUE(form) << c.bag << ": " << error;
        if (c.warning.empty()) {
            EXPECT_EQ(warnings, std::vector<std::string>{}) << c.bag;
        } else {
            ASSERT_EQ(warnings.size(), 1u) << c.bag;
            EXPECT_NE(warnings[0].find(c.warning), std::string::npos) << warnings[0];
            EXPECT_LT(warnings[0].size(), 600u) << warnings[0].substr(0, 600);
        }
        auto strict = Form::FromJson(text, "f.nkform", classes, error, {.strict = true});
        EXPECT_EQ(strict == nullptr, !c.warning.empty()) << c.bag;
        if (!c.warning.empty()) {
            EXPECT_NE(error.find(c.warning), std::string::npos) << error;
        }
    }
}

TEST(FormCheck, AStrictReadingRefusesWithEveryProblemOfTheFileAtOnce) {
    const auto classes = AllClasses();
    const std::string text =
        OneControl("NuvelCommand", R"({"Captoin":"A","Caption":5,"HasShadow":true})");
    std::vector<std::string> warnings;
    std::string error;
    ASSERT_TRUE(Form::FromJson(text, "f.nkform", classes, error, {.warnings = &warnings}));
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_FALSE(Form::FromJson(text, "f.nkform", classes, error, {.strict = true}));
    // The same lines as the warnings, in the file's order, one refusal.
    EXPECT_EQ(error, warnings[0] + "\n" + warnings[1]);
}

TEST(FormCheck, ColoursAsTextOrNumbers) {
    struct Case {
        std::string text;
        std::optional<OleColor> colour;
    };
    const std::vector<Case> cases = {
        {"#FF0000", 0x0000FF},      {"#0080ff", 0xFF8000},      {"ButtonFace", 0x8000000F},
        {"buttonface", 0x8000000F}, {"WindowText", 0x80000008}, {"3DDKShadow", 0x80000015},
        {"#FF00", std::nullopt},    {"#GG0000", std::nullopt},  {"Red", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseColorText(c.text), c.colour) << c.text;

    const auto classes = AllClasses();
    std::string error;
    auto form = Form::FromJson(OneControl("NuvelCommand", R"({"ShadowColor":"#102030"})",
                                          R"({"backColor":"ButtonShadow"})"),
                               "f.nkform", classes, error, {.strict = true});
    ASSERT_TRUE(form) << error;
    EXPECT_EQ(form->settings().backColor, 0x80000010u);
    EXPECT_EQ(form->Find("C1")->Get("ShadowColor").value().number(), 0x302010);
    EXPECT_FALSE(Form::FromJson(OneControl("NuvelCommand", "{}", R"({"backColor":"Mauve"})"),
                                "f.nkform", classes, error));
    EXPECT_NE(error.find("f.nkform: /form/backColor: expected a colour"), std::string::npos)
        << error;
    EXPECT_FALSE(Form::FromJson(OneControl("NuvelCommand", R"({"ShadowColor":"Mauve"})"),
                                "f.nkform", classes, error, {.strict = true}));
    EXPECT_NE(error.find("/controls/0/bag/ShadowColor: expected a colour"), std::string::npos)
        << error;
}

TEST(FormCheck, WhatTheKitWritesReadsBackStrictToTheSameBytes) {
    const auto classes = AllClasses();
    Form form(classes);
    int x = 0;
    for (const InterfaceTable* t : classes) {
        ASSERT_TRUE(form.Add(t->className, std::string(t->className) + "1", x, 0)) << t->className;
        x += 10;
    }
    const std::string saved = form.ToJson();
    std::vector<std::string> warnings;
    std::string error;
    auto again = Form::FromJson(saved, "saved.nkform", classes, error,
                                {.strict = true, .warnings = &warnings});
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(warnings, std::vector<std::string>{});
    // A file the kit wrote (the demo's) reads back to its own bytes.
    const std::string demoFile = std::string(NK_SOURCE_DIR) + "/examples/demo/demo.nkform";
    std::ifstream in(demoFile, std::ios::binary);
    const std::string demo((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto demoForm =
        Form::FromJson(demo, demoFile, classes, error, {.strict = true, .warnings = &warnings});
    ASSERT_TRUE(demoForm) << error;
    EXPECT_EQ(warnings, std::vector<std::string>{});
    EXPECT_EQ(demoForm->ToJson(), demo);
}

TEST(FormCheck, PositionsAndSizesInPixelsWhenTheFormSaysSo) {
    const auto classes = AllClasses();
    struct Case {
        std::string form;
        int formWidth, left, width; // pixels
        std::string error;
    };
    const std::vector<Case> cases = {
        {R"({"width":3000})", 200, 0, 100, ""}, // twips: 1500 wide is 100 pixels
        {R"({"units":"twips","width":3000})", 200, 0, 100, ""},
        {R"({"units":"pixels","width":3000})", 3000, 0, 1500, ""},
        {R"({"units":"inches"})", 0, 0, 0, "/form/units: expected \"twips\" or \"pixels\""},
        {R"({"units":"pixels","width":20000})", 0, 0, 0, "/form/width: the value 20000 is outside"},
    };
    for (const Case& c : cases) {
        std::string error;
        auto form =
            Form::FromJson(OneControl("NuvelCommand", "{}", c.form), "f.nkform", classes, error);
        if (!c.error.empty()) {
            EXPECT_FALSE(form) << c.form;
            EXPECT_NE(error.find(c.error), std::string::npos) << error;
            continue;
        }
        ASSERT_TRUE(form) << c.form << ": " << error;
        EXPECT_EQ(form->settings().width, c.formWidth) << c.form;
        EXPECT_EQ(form->Find("C1")->width(), c.width) << c.form;
        // The writer keeps writing twips.
        EXPECT_EQ(form->ToJson().find("units"), std::string::npos);
    }
}

} // namespace
} // namespace nk
