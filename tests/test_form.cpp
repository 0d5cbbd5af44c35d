// Form files and the form model: saving, loading, damaged files, handlers by name, the timer.
#include "host/forms/form.h"
#include "host/hosts/compose.h"
#include "kit/classes.h"
#include "tests/test_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace nk {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// `count` NuvelScreen entries of one pixel, for a form's "controls" list.
std::string ManyControls(std::size_t count) {
    std::string list;
    for (std::size_t i = 0; i < count; ++i)
        list += std::string(i ? "," : "") + R"({"class": "NuvelScreen", "name": "S)" +
                std::to_string(i) + R"(", "left": 0, "top": 0, "width": 15, "height": 15})";
    return list;
}

class FormFileTest : public ::testing::Test {
protected:
    void SetUp() override { dir_ = FreshTestFolder("nk_form_"); }
    void TearDown() override { fs::remove_all(dir_); }

    std::unique_ptr<Form> Load(const std::string& text, std::string& error) {
        const fs::path p = dir_ / "in.nkform";
        std::ofstream(p, std::ios::binary) << text;
        return Form::Load(p.string(), classes_, error);
    }

    std::vector<const InterfaceTable*> classes_ = AllClasses();
    fs::path dir_;
};

Picture Checker(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.At(x, y) = ((x + y) % 2) ? 0xFFFF0000u : 0xFF0000FFu;
    return MakePicture(std::move(img), "checker");
}

TEST_F(FormFileTest, SavedReloadedAndSavedAgainIsByteIdenticalWithEachPictureOnce) {
    Form form(classes_);
    form.settings().caption = "Round trip";
    form.settings().timerInterval = 40;
    FormControl* cmd = form.Add("NuvelCommand", "Command1", 10, 20, 120, 40);
    ASSERT_NE(cmd, nullptr);
    ASSERT_TRUE(cmd->Set("Caption", Variant::String("Go \"now\"\n")));
    const Picture icon = Checker(6, 5);
    ASSERT_TRUE(cmd->Set("SideIcon", Variant::OfPicture(icon)));
    ASSERT_TRUE(cmd->Set("RSideIcon", Variant::OfPicture(icon)));
    ASSERT_TRUE(cmd->Set("PictureNormal", Variant::OfPicture(MakeEmptyPicture())));
    ASSERT_NE(form.Add("Nuvelkit3.NuvelCheck", "Check1", 10, 80), nullptr);
    ASSERT_NE(form.Add("NuvelPad", "Pad1", 200, 10), nullptr);
    ASSERT_NE(form.Add("NuvelFill", "Fill1", 10, 150, 200, 24), nullptr);
    ASSERT_TRUE(form.Find("Fill1")->Set("Value", Variant::Long(40)));

    const fs::path first = dir_ / "a.nkform";
    ASSERT_EQ(form.Save(first.string()), "");
    const std::string text = ReadAll(first);
    EXPECT_EQ(text.find("\"format\": \"nuvelkit-form\""), text.find("\"format\""));
    // The shared icon is embedded once and referred to twice; the empty picture is its own
    // value.
    size_t pngs = 0;
    for (size_t at = text.find("\"png\""); at != std::string::npos;
         at = text.find("\"png\"", at + 1))
        ++pngs;
    EXPECT_EQ(pngs, 1u);
    size_t refs = 0;
    for (size_t at = text.find("\"picture\": \"pic1\""); at != std::string::npos;
         at = text.find("\"picture\": \"pic1\"", at + 1))
        ++refs;
    EXPECT_EQ(refs, 2u);
    EXPECT_NE(text.find("\"picture\": \"\""), std::string::npos);
    EXPECT_NE(text.find("\"timerInterval\": 40"), std::string::npos);

    std::string error;
    auto again = Form::Load(first.string(), classes_, error);
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(again->settings().caption, "Round trip");
    ASSERT_EQ(again->controls().size(), 4u);
    FormControl* cmd2 = again->Find("command1");
    ASSERT_NE(cmd2, nullptr);
    EXPECT_EQ(cmd2->left(), 10);
    EXPECT_EQ(cmd2->top(), 20);
    EXPECT_EQ(cmd2->width(), 120);
    EXPECT_EQ(cmd2->Get("Caption")->text(), "Go \"now\"\n");
    const Picture side = cmd2->Get("SideIcon")->picture();
    ASSERT_TRUE(HasImage(side));
    EXPECT_EQ(side, cmd2->Get("RSideIcon")->picture()); // one object again
    EXPECT_EQ(side->image()->pixels, icon->image()->pixels);
    EXPECT_EQ(again->Find("Fill1")->Get("Value")->ToLong(), 40);

    const fs::path second = dir_ / "b.nkform";
    ASSERT_EQ(again->Save(second.string()), "");
    EXPECT_EQ(ReadAll(second), text);
    // The composed forms agree too.
    EXPECT_EQ(again->Compose().pixels, form.Compose().pixels);
}

TEST_F(FormFileTest, SavingReplacesTheFileAndLeavesNoTemporaryBehind) {
    Form form(classes_);
    ASSERT_NE(form.Add("NuvelCommand", "Command1", 0, 0), nullptr);
    const fs::path p = dir_ / "f.nkform";
    std::ofstream(p) << "old contents";
    ASSERT_EQ(form.Save(p.string()), "");
    EXPECT_NE(ReadAll(p).find("Command1"), std::string::npos);
    size_t files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST_F(FormFileTest, AFailedSaveNamesTheFileAndKeepsThePreviousOne) {
    Form form(classes_);
    ASSERT_NE(form.Add("NuvelCheck", "Check1", 0, 0), nullptr);
    // The folder is a file: no temporary can be made there.
    const fs::path blocker = dir_ / "notafolder";
    std::ofstream(blocker) << "keep me";
    const std::string target = (blocker / "f.nkform").string();
    const std::string error = form.Save(target);
    EXPECT_NE(error.find(target), std::string::npos) << error;
    EXPECT_EQ(ReadAll(blocker), "keep me");
    // Renaming over a folder fails after the temporary was written: the folder stays and
    // the temporary is removed.
    const fs::path folder = dir_ / "dir.nkform";
    fs::create_directories(folder / "inside");
    EXPECT_NE(form.Save(folder.string()), "");
    EXPECT_TRUE(fs::is_directory(folder / "inside"));
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_))
        ++entries;
    EXPECT_EQ(entries, 2u); // notafolder and dir.nkform
}

TEST_F(FormFileTest, DamagedFilesAreRefusedWithTheFileThePlaceAndTheProblem) {
    struct Case {
        std::string text;
        std::string place;
        std::string problem;
    };
    const std::string head = R"({"format": "nuvelkit-form", "version": 1, )";
    const std::vector<Case> cases = {
        {"{\"format\": \"nuvelkit-form\",\n  \"version\": 1,,", "line 2, column 16", ""},
        {"", "line 1, column 1", ""},
        {"[1, 2]", "/:", "JSON object"},
        {R"({"version": 1})", "/:", "\"format\" is missing"},
        {R"({"format": "other", "version": 1})", "/format", "other"},
        {R"({"format": "nuvelkit-form", "version": 7})", "/version", "newer"},
        {head + R"("controls": {}})", "/controls", "array"},
        {head + R"("controls": [{"class": "NuvelNothing", "name": "A", "left": 0, "top": 0,
             "width": 150, "height": 150}]})",
         "/controls/0/class", "NuvelNothing"},
        {head + R"("controls": [{"class": "NuvelCheck", "left": 0, "top": 0, "width": 150,
             "height": 150}]})",
         "/controls/0", "\"name\" is missing"},
        {head + R"("controls": [{"class": "NuvelCheck", "name": "A", "left": 0, "top": 0,
             "width": -15, "height": 150}]})",
         "/controls/0/width", "outside"},
        {head + R"("controls": [{"class": "NuvelCheck", "name": "A", "left": 0, "top": 0,
             "width": 150, "height": 1e999}]})",
         "", ""},
        {head + R"("controls": [{"class": "NuvelCheck", "name": "A", "left": 0, "top": 0,
             "width": 150, "height": 150},{"class": "NuvelCheck", "name": "a", "left": 0,
             "top": 0, "width": 150, "height": 150}]})",
         "/controls/1/name", "already"},
        {head + R"("controls": [{"class": "NuvelCommand", "name": "A", "left": 0, "top": 0,
             "width": 150, "height": 150, "bag": {"SideIcon": {"picture": "pic9"}}}]})",
         "/controls/0/bag/SideIcon/picture", "pic9"},
        {head + R"("controls": [{"class": "NuvelCommand", "name": "A", "left": 0, "top": 0,
             "width": 150, "height": 150, "bag": {"Caption": [1]}}]})",
         "/controls/0/bag/Caption", "bag value"},
        {head + R"("pictures": [{"id": "p", "png": "@@@@"}]})", "/pictures/0/png", "base64"},
        {head + R"("pictures": [{"id": "p", "png": "AAAA"}]})", "/pictures/0/png", ""},
        {head + R"("pictures": [{"id": "p", "png": ""}, {"id": "p", "png": ""}]})", "/pictures/",
         ""},
        {head + R"("form": {"timerInterval": "fast"}})", "/form/timerInterval", "whole number"},
        // Beyond what a form may draw: refused before any control is placed.
        {head + R"("controls": [{"class": "NuvelScreen", "name": "A", "left": 0, "top": 0,
             "width": 245760, "height": 245760},{"class": "NuvelScreen", "name": "B",
             "left": 0, "top": 0, "width": 245760, "height": 245760}]})",
         "/controls:", "device pixels at scale 1"},
        {head + R"("controls": [)" + ManyControls(kMaxFormControls + 1) + "]}",
         "/controls:", "at most 1024 controls"},
    };
    for (const Case& c : cases) {
        std::string error;
        auto form = Load(c.text, error);
        EXPECT_FALSE(form) << c.text;
        EXPECT_EQ(error.rfind((dir_ / "in.nkform").string() + ": ", 0), 0u) << error;
        EXPECT_NE(error.find(c.place), std::string::npos) << error;
        EXPECT_NE(error.find(c.problem), std::string::npos) << error;
    }
    std::string error;
    EXPECT_FALSE(Form::Load((dir_ / "missing.nkform").string(), classes_, error));
    EXPECT_NE(error.find("missing.nkform"), std::string::npos);
    EXPECT_FALSE(Form::Load(dir_.string(), classes_, error));
    EXPECT_NE(error.find("folder"), std::string::npos);
}

TEST_F(FormFileTest, AMinimalFileTakesTheDefaultsAndLoadsBagsThroughReadProperties) {
    std::string error;
    auto form = Load(R"({"format": "nuvelkit-form", "version": 1, "controls": [
        {"class": "NuvelCommand", "name": "Command1", "left": 150, "top": 300, "width": 1500,
         "height": 600, "bag": {"Caption": "Saved", "caption": "Later spelling"}}]})",
                     error);
    ASSERT_TRUE(form) << error;
    EXPECT_EQ(form->settings().timerInterval, 50);
    FormControl* c = form->Find("Command1");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->left(), 10);
    EXPECT_EQ(c->top(), 20);
    EXPECT_EQ(c->width(), 100);
    EXPECT_EQ(c->height(), 40);
    // Bag keys match without regard to case; the later one replaced the earlier.
    EXPECT_EQ(c->Get("Caption")->text(), "Later spelling");
}

TEST(FormModel, AControlBeyondWhatTheFormMayDrawIsRefusedBeforeItDraws) {
    const auto classes = AllClasses();
    Form form(classes, FormSettings{.width = 16384, .height = 16384});
    EXPECT_NE(form.Add("NuvelCommand", "Command1", 0, 0, 160, 50), nullptr);
    form.SetScale(2); // the form's own picture alone is 1 Gi device pixels now
    std::string error;
    EXPECT_EQ(form.Add("NuvelCommand", "Command2", 0, 0, 160, 50, &error), nullptr);
    EXPECT_NE(error.find("cannot place Command2: the form's picture of 16384 x 16384"),
              std::string::npos)
        << error;
    EXPECT_EQ(form.controls().size(), 1u);
}

TEST(FormModel, HandlersAttachByNameAndSeeByReferenceArguments) {
    const auto classes = AllClasses();
    Form form(classes);
    FormControl* pad = form.Add("NuvelPad", "Pad1", 0, 0);
    ASSERT_NE(pad, nullptr);
    int lefts = 0;
    EXPECT_TRUE(form.On("pad1", "goleft", [&](FormControl& sender, auto) {
        EXPECT_EQ(&sender, pad);
        ++lefts;
    }));
    EXPECT_FALSE(form.On("Pad1", "NoSuchEvent", [](FormControl&, auto) {}));
    EXPECT_FALSE(form.On("Pad2", "GoLeft", [](FormControl&, auto) {}));
    pad->Call("TweakLeft");
    pad->Call("TweakLeft");
    EXPECT_EQ(lefts, 2);

    FormControl* cmd = form.Add("NuvelCommand", "Command1", 0, 100);
    ASSERT_NE(cmd, nullptr);
    std::vector<int> seen;
    cmd->On("KeyPress", [&](FormControl&, std::span<const EventArg> args) {
        ASSERT_EQ(args.size(), 1u);
        auto* key = std::get<std::int16_t*>(args[0]);
        seen.push_back(*key);
    });
    cmd->site().KeyPress(65);
    EXPECT_EQ(seen, std::vector<int>{65});
    EXPECT_EQ(form.Add("NuvelCommand", "command1", 0, 0), nullptr); // names are unique
    std::string error;
    EXPECT_EQ(form.Add("NuvelNothing", "X", 0, 0, -1, -1, &error), nullptr);
    EXPECT_NE(error.find("NuvelNothing"), std::string::npos);
}

TEST(FormModel, TheTimerStepsEveryControlsAnimation) {
    const auto classes = AllClasses();
    Form form(classes);
    FormControl* pad = form.Add("NuvelPad", "Pad1", 0, 0);
    ASSERT_NE(pad, nullptr);
    const double x0 = *pad->Get("XValue")->ToDouble();
    pad->Call("ForceRight");
    const double x1 = *pad->Get("XValue")->ToDouble();
    form.Tick();
    const double x2 = *pad->Get("XValue")->ToDouble();
    form.Tick();
    const double x3 = *pad->Get("XValue")->ToDouble();
    EXPECT_GT(x2, x1);
    EXPECT_GT(x3, x2);
    EXPECT_GE(x1, x0);
}

TEST(FormModel, TheComposedFormShowsControlsAtTheirPlacesOverTheBackground) {
    const auto classes = AllClasses();
    Form form(classes, {.caption = "C", .width = 300, .height = 200, .backColor = 0x0000FF});
    FormControl* scr = form.Add("NuvelScreen", "Screen1", 50, 40, 100, 80);
    ASSERT_NE(scr, nullptr);
    const Image shown = form.Compose();
    ASSERT_EQ(shown.width, 300);
    ASSERT_EQ(shown.height, 200);
    EXPECT_EQ(shown.At(10, 10), 0xFFFF0000u); // red background (OLE 0x0000FF)
    EXPECT_EQ(shown.At(299, 199), 0xFFFF0000u);
    const Image own = Compose(scr->host());
    for (int y = 0; y < 80; y += 7)
        for (int x = 0; x < 100; x += 9) {
            if (own.At(x, y) >> 24) {
                EXPECT_EQ(shown.At(50 + x, 40 + y), own.At(x, y));
            }
        }
}

} // namespace
} // namespace nk
