// The headless host and the compositor through the probe control: extent rules,
// resources, the player, file errors, the modal dialog, the boundary and composition.
#include "host/hosts/compose.h"
#include "host/hosts/control_site.h"
#include "host/hosts/recording_host.h"
#include "set1/about/about.h"
#include "tests/fake_container.h"
#include "tests/probe_control.h"
#include "tests/test_folder.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace nk {

namespace {

namespace fs = std::filesystem;
using testing_support::FakeContainer;

constexpr std::uint32_t kFace = 0xFFD4D0C8u; // button face, as a pixel

ControlSite::Options Sized(int w, int h) {
    ControlSite::Options o;
    o.width = w;
    o.height = h;
    return o;
}

// A fresh empty folder for file tests, removed afterwards.
struct TempDir {
    fs::path path;
    TempDir() { path = FreshTestFolder("nk_headless_"); }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path / "locked", fs::perms::owner_all, ec);
        fs::remove_all(path, ec);
    }
};

} // namespace

TEST(HeadlessExtent, SizesRoundToWholePixelsAndOnlyAChangeSendsResize) {
    ControlSite site(probe::ProbeClass());
    HeadlessHost& host = site.host();
    const HeadlessShape* glow = host.ShapeChild("Shape1");
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(host.ExtentWidth(), 80);
    EXPECT_EQ(host.Width(), 1200);

    // 1507 twips is 100.47 pixels: 100. The probe's Resize moves the glow overlay.
    EXPECT_TRUE(host.SetWidth(1507));
    EXPECT_EQ(host.ExtentWidth(), 100);
    EXPECT_EQ(glow->width(), 100);
    EXPECT_EQ(host.Width(), 1500);

    // Same pixel size: no Resize (the shape keeps a marker size set behind its back).
    site.host().ShapeChild("Shape1")->Move(0, 0, 1, 1);
    EXPECT_TRUE(host.SetWidth(1493)); // 99.53 -> 100
    EXPECT_EQ(glow->width(), 1);
    EXPECT_TRUE(host.SetWidth(1492)); // 99.47 -> 99
    EXPECT_EQ(glow->width(), 99);
    EXPECT_EQ(host.ScaleWidth(), 99);
}

TEST(HeadlessExtent, RefusesNegativeAndOversizedExtents) {
    ControlSite site(probe::ProbeClass());
    HeadlessHost& host = site.host();
    EXPECT_FALSE(host.SetWidth(-15));
    EXPECT_FALSE(host.SetHeight(16385 * 15));
    EXPECT_FALSE(host.SetWidth(std::nan("")));
    EXPECT_FALSE(site.SetSize(-1, 10));
    EXPECT_FALSE(site.SetSize(10, 16385));
    EXPECT_EQ(host.ExtentWidth(), 80);
    EXPECT_EQ(host.ExtentHeight(), 30);
    EXPECT_TRUE(site.SetSize(16384, 1));
    EXPECT_EQ(host.surface().width(), 16384);
    EXPECT_TRUE(site.SetSize(0, 0));
    EXPECT_EQ(host.surface().width(), 0);
    EXPECT_EQ(Compose(host).pixels.size(), 0u);
}

TEST(HeadlessExtent, ResizeKeepsTheOverlapAndFillsTheRestWithTheDesignColour) {
    ControlSite site(probe::ProbeClass(), Sized(10, 10));
    HeadlessHost& host = site.host();
    host.SetBackColor(0x000000FF);
    host.Cls();
    ASSERT_EQ(host.surface().pixels().At(9, 9), 0xFFFF0000u);
    ASSERT_TRUE(site.SetSize(20, 12));
    EXPECT_EQ(host.surface().pixels().At(9, 9), 0xFFFF0000u);
    EXPECT_EQ(host.surface().pixels().At(10, 9), kFace);
    EXPECT_EQ(host.surface().pixels().At(5, 11), kFace);
}

TEST(HeadlessExtent, BorderStyleOneDrawsABlackLineOutsideTheSurface) {
    ControlSite site(probe::ProbeClass(), Sized(10, 8));
    HeadlessHost& host = site.host();
    host.SetBorderStyle(1);
    EXPECT_EQ(host.ScaleWidth(), 8);
    EXPECT_EQ(host.ScaleHeight(), 6);
    EXPECT_EQ(host.ExtentWidth(), 10);
    const Image shown = Compose(host);
    ASSERT_EQ(shown.width, 10);
    EXPECT_EQ(shown.At(0, 0), 0xFF000000u);
    EXPECT_EQ(shown.At(9, 7), 0xFF000000u);
    EXPECT_EQ(shown.At(5, 0), 0xFF000000u);
    EXPECT_EQ(shown.At(1, 1), kFace);
    EXPECT_EQ(shown.At(8, 6), kFace);
    // A border on a control too small for a surface leaves just the line.
    ASSERT_TRUE(site.SetSize(1, 1));
    EXPECT_EQ(host.ScaleWidth(), 0);
    EXPECT_EQ(Compose(host).At(0, 0), 0xFF000000u);
}

TEST(HeadlessResources, ResourcePicturesAreDecodedOnceAndHandedOutFresh) {
    std::vector<std::string> faults;
    ControlSite::Options o;
    o.hooks.onFault = [&](const std::string& m) { faults.push_back(m); };
    ControlSite site(probe::ProbeClass(), o);
    HeadlessHost& host = site.host();
    const Picture a = host.LoadResPicture(7);
    const Picture b = host.LoadResPicture(7);
    ASSERT_TRUE(HasImage(a));
    EXPECT_EQ(PictureName(a), "res:7");
    EXPECT_EQ(a->Width(), 4);
    EXPECT_EQ(a->Height(), 3);
    EXPECT_EQ(a->image()->At(3, 2), 0xFFFF0000u);
    EXPECT_NE(a, b);                                 // a fresh picture object per load
    EXPECT_EQ(a->shared_image(), b->shared_image()); // the decoded image is cached
    EXPECT_EQ(host.LoadResPicture(1234), nullptr);
    EXPECT_EQ(host.LoadResPicture(401), nullptr);  // a sound is not a bitmap
    EXPECT_EQ(faults, std::vector<std::string>{}); // neither is a fault
    EXPECT_EQ(host.LoadResPicture(8), nullptr);    // a damaged bitmap gives no picture
    ASSERT_EQ(faults.size(), 1u);                  // and tells the container why
    EXPECT_NE(faults[0].find("res:8"), std::string::npos) << faults[0];
}

TEST(HeadlessResources, SoundDataGoesToTheContainersPlayer) {
    ControlSite site(probe::ProbeClass());
    HeadlessHost& host = site.host();
    auto press = host.LoadResData(401);
    ASSERT_NE(press, nullptr);
    EXPECT_EQ(*press, (std::vector<std::uint8_t>{'R', 'I', 'F', 'F', 1}));
    EXPECT_EQ(host.LoadResData(7), nullptr); // a bitmap is not a sound
    EXPECT_EQ(host.LoadResData(999), nullptr);

    // Without a player nothing is heard and nothing holds on to the image.
    std::weak_ptr<const std::vector<std::uint8_t>> unheard = press;
    host.PlayWaveImage(std::move(press), 401);
    EXPECT_TRUE(unheard.expired());

    FakeContainer container;
    host.hooks() = container.Hooks();
    host.PlayWaveImage(host.LoadResData(402), 402);
    EXPECT_EQ(container.lastSoundId, 402);
    ASSERT_NE(container.lastSound, nullptr);
    EXPECT_EQ(container.lastSound->back(), 2);
}

TEST(HeadlessFiles, OpenFileForReadMapsFailuresToFileErrors) {
    TempDir dir;
    const fs::path file = dir.path / "data.dat";
    std::ofstream(file) << "x";
    ControlSite site(probe::ProbeClass());
    HeadlessHost& host = site.host();
    EXPECT_EQ(host.OpenFileForRead(file.string()), FileError::None);
    EXPECT_EQ(host.OpenFileForRead((dir.path / "missing.dat").string()), FileError::FileNotFound);
    EXPECT_EQ(host.OpenFileForRead((dir.path / "no" / "x.dat").string()), FileError::PathNotFound);
    EXPECT_EQ(host.OpenFileForRead((file / "x.dat").string()), FileError::PathNotFound);
    EXPECT_EQ(host.OpenFileForRead(dir.path.string()), FileError::PathFileAccess);
    EXPECT_EQ(host.OpenFileForRead(""), FileError::FileNotFound);
}

TEST(HeadlessFiles, NamesAreOpenedAsGivenWithoutAShell) {
    TempDir dir;
    const fs::path marker = dir.path / "made";
    ControlSite site(probe::ProbeClass());
    // The folder part "$(touch /tmp/..." does not exist; a shell would have made the file.
    const std::string name = "$(touch " + marker.string() + ")";
    EXPECT_EQ(site.host().OpenFileForRead(name), FileError::PathNotFound);
    EXPECT_FALSE(fs::exists(marker));
    // A name with blanks and quotes is one file name.
    const fs::path odd = dir.path / "a b'\"c.dat";
    std::ofstream(odd) << "x";
    EXPECT_EQ(site.host().OpenFileForRead(odd.string()), FileError::None);
}

TEST(HeadlessFiles, AFileWithoutReadPermissionIsAnAccessError) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    TempDir dir;
    const fs::path locked = dir.path / "locked";
    std::ofstream(locked) << "x";
    fs::permissions(locked, fs::perms::none);
    ControlSite site(probe::ProbeClass());
    EXPECT_EQ(site.host().OpenFileForRead(locked.string()), FileError::PathFileAccess);
}

TEST(HeadlessEvents, TheContainersHandlerChangesByReferenceArguments) {
    ControlSite::Options o;
    std::vector<std::string> seen;
    o.hooks.onEvent = [&](const EventInfo* info, int number, std::span<const EventArg> args) {
        seen.push_back(info ? std::string(info->name) : std::to_string(-number));
        if (number == probe::kKeyDown) *std::get<std::int16_t*>(args[0]) = 13;
    };
    ControlSite site(probe::ProbeClass(), o);
    EXPECT_TRUE(site.KeyDown(65, 0));
    EXPECT_EQ(site.Get("LastKey")->number(), 13);
    site.host().RaiseEvent(77, {}); // a number the table does not declare
    EXPECT_EQ(seen, (std::vector<std::string>{"KeyDown", "-77"}));
}

TEST(HeadlessBoundary, AThrowingControlIsReportedAndTheHostGoesOn) {
    std::vector<std::string> faults;
    ControlSite::Options o;
    o.hooks.onFault = [&](const std::string& m) { faults.push_back(m); };
    ControlSite site(probe::ProbeClass(), o);
    const MethodResult r = site.Call("Throw", {});
    EXPECT_EQ(r.error, -1);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0], "the control threw in Throw: the probe was told to fail");
    EXPECT_TRUE(site.InitProperties());
}

TEST(HeadlessBoundary, RunawayReentrancyStopsAtTheNestingLimit) {
    std::vector<std::string> faults;
    int pings = 0;
    ControlSite::Options o;
    o.hooks.onFault = [&](const std::string& m) { faults.push_back(m); };
    ControlSite* self = nullptr;
    o.hooks.onEvent = [&](const EventInfo*, int number, std::span<const EventArg>) {
        if (number != probe::kPing) return;
        ++pings;
        self->Call("Ping", {});
    };
    ControlSite site(probe::ProbeClass(), o);
    self = &site;
    site.Call("Ping", {});
    EXPECT_EQ(pings, kMaxNesting / 2);
    ASSERT_FALSE(faults.empty());
    EXPECT_NE(faults[0].find("nested more than 64 deep"), std::string::npos);
    // The stopped calls were all counted out again: a second run gets just as deep.
    pings = 0;
    site.Call("Ping", {});
    EXPECT_EQ(pings, kMaxNesting / 2);
}

TEST(HeadlessMembers, SetGetAndCallConvertThroughTheTable) {
    ControlSite site(probe::ProbeClass());
    EXPECT_TRUE(site.Set("value", Variant::String("12")));
    EXPECT_EQ(site.Get("Value")->number(), 12);
    EXPECT_FALSE(site.Set("Value", Variant::String("twelve")));
    EXPECT_FALSE(site.Set("LastKey", Variant::Integer(1))); // read-only
    EXPECT_FALSE(site.Set("Nope", Variant::Integer(1)));
    EXPECT_FALSE(site.Set("Font", Variant::Long(3)));
    EXPECT_FALSE(site.Get("Nope"));
    const Variant n[] = {Variant::String("4")};
    EXPECT_EQ(site.Call("Twice", n).value.number(), 8);
    EXPECT_EQ(site.Call("Twice", {}).error, -1);
    EXPECT_EQ(site.Call("Nope", {}).error, -1);
    const Variant missing[] = {Variant::String("/no/such/folder/x")};
    EXPECT_EQ(site.Call("OpenData", missing).error, 76);
}

TEST(HeadlessDialog, QueuedClicksRunInOrderThenOkClosesTheDialog) {
    FakeContainer container;
    container.shellResult = 31;
    ControlSite::Options o;
    o.hooks = container.Hooks();
    ControlSite site(probe::ProbeClass(), o);
    HeadlessHost& host = site.host();
    const std::string clicks[] = {"Label1(6)", "Image2", "Label1(5)"};
    host.QueueDialogClicks(clicks);
    EXPECT_EQ(site.Call("AboutMe", {}).error, 0);
    EXPECT_EQ(container.shellAddresses,
              (std::vector<std::string>{"https://www.quillon.example/nuvelkit/",
                                        "mailto:nuvelkit@quillon.example"}));
    ASSERT_EQ(container.messageBoxes.size(), 2u);
    EXPECT_EQ(container.messageBoxes[0].style, 16);
    EXPECT_EQ(container.messageBoxes[0].title, "Address Access Error");
    // A second dialog with nothing queued closes at once.
    EXPECT_EQ(site.Call("AboutMe", {}).error, 0);
    EXPECT_EQ(container.shellAddresses.size(), 2u);
    // The dialogs ended: a third one is shown and performs its queue.
    const std::string web[] = {"Command2"};
    host.QueueDialogClicks(web);
    EXPECT_EQ(site.Call("AboutMe", {}).error, 0);
    EXPECT_EQ(container.shellAddresses.back(), "https://www.quillon.example/");
}

TEST(HeadlessDialog, ClicksLeftAfterTheDialogClosedGoWithIt) {
    FakeContainer container;
    ControlSite::Options o;
    o.hooks = container.Hooks();
    ControlSite site(probe::ProbeClass(), o);
    const std::string clicks[] = {"Command1", "Command2"};
    site.host().QueueDialogClicks(clicks);
    EXPECT_EQ(site.Call("AboutMe", {}).error, 0);
    EXPECT_EQ(site.Call("AboutMe", {}).error, 0);
    EXPECT_TRUE(container.shellAddresses.empty());
}

TEST(HeadlessDialog, WithoutAShellHookTheHostAnswersItsShellResult) {
    ControlSite site(probe::ProbeClass());
    HeadlessHost& host = site.host();
    EXPECT_EQ(host.ShellExecute("https://a.example/"), 42);
    host.SetShellResult(31);
    EXPECT_EQ(host.ShellExecute("https://a.example/"), 31);
}

TEST(HeadlessDialog, AContainerCanRunTheDialogTheShellAndMessageBoxesItself) {
    std::vector<std::string> seen;
    ControlSite::Options o;
    o.hooks.runDialog = [&](ModalForm& form) {
        seen.push_back("dialog");
        form.Click("Command2");
        form.Click("Command1");
    };
    o.hooks.shell = [&](const std::string& address) {
        seen.push_back(address);
        return 5;
    };
    o.hooks.messageBox = [&](int style, const std::string& title, const std::string&) {
        seen.push_back(std::to_string(style) + " " + title);
    };
    ControlSite site(probe::ProbeClass(), o);
    const std::string queued[] = {"Label1(6)"};
    site.host().QueueDialogClicks(queued); // the container's own loop ignores the queue
    EXPECT_EQ(site.Call("AboutMe", {}).error, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"dialog", "https://www.quillon.example/",
                                              "16 Address Access Error"}));
    // The container's loop ended the dialog: the next one runs it again.
    EXPECT_EQ(site.Call("AboutMe", {}).error, 0);
    EXPECT_EQ(seen.size(), 6u);
}

TEST(HeadlessRecording, AMutedSinkPrintsNothingAndReadsNeverPrint) {
    std::ostringstream out;
    TraceSink sink(out);
    ControlSite::Options o;
    o.trace = &sink;
    ControlSite site(probe::ProbeClass(), o);
    Host& h = site.controlHost();
    (void)h.ScaleWidth();
    (void)h.TextWidth("x");
    (void)h.GetClientRect();
    (void)h.LoadResPicture(7);
    (void)h.AmbientFont();
    EXPECT_EQ(out.str(), "");
    h.Cls();
    sink.SetMuted(true);
    h.Refresh();
    EXPECT_EQ(out.str(), "Cls\n");
    EXPECT_EQ(site.host().ZoneChild("Image1", 4), nullptr);
    EXPECT_EQ(h.ZoneChild("Image1", 3) != nullptr, true);
    EXPECT_EQ(h.PictureBoxChild("Shape1"), nullptr);
}

TEST(HeadlessRecording, RaiseEventLinesNameTheArgumentsAndFormatThemByType) {
    int16_t key = 65, shift = 1;
    std::int32_t colour = static_cast<std::int32_t>(0x80000012u);
    float x = 2.5f;
    const EventInfo* keyDown = probe::ProbeClass().FindEvent(probe::kKeyDown);
    const EventArg keys[] = {&key, &shift};
    EXPECT_EQ(FormatRaiseEvent(keyDown, 3, keys), "RaiseEvent 3 KeyDown(KeyCode=65, Shift=1)");
    const EventArg tint[] = {&colour};
    EXPECT_EQ(FormatRaiseEvent(probe::ProbeClass().FindEvent(probe::kTint), 10, tint),
              "RaiseEvent 10 Tint(Color=0x80000012)");
    VBool cancel = 5;
    std::int32_t value = -3;
    const EventArg change[] = {&value, &cancel};
    EXPECT_EQ(FormatRaiseEvent(probe::ProbeClass().FindEvent(probe::kChange), 5, change),
              "RaiseEvent 5 Change(Value=-3, Cancel=5)");
    const EventArg extra[] = {&x};
    EXPECT_EQ(FormatRaiseEvent(nullptr, 42, extra), "RaiseEvent 42 ?(Arg1=2.5)");
    EXPECT_EQ(FormatRaiseEvent(probe::ProbeClass().FindEvent(probe::kClick), 1, {}),
              "RaiseEvent 1 Click()");
}

TEST(Compose, PictureBoxesAreClippedToTheSurface) {
    ControlSite site(probe::ProbeClass(), Sized(10, 10));
    HeadlessHost& host = site.host();
    host.SetBorderStyle(1); // surface 8 x 8 at (1, 1)
    PictureBox* box = host.PictureBoxChild("Picture1");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->Move(-2, 5, 6, 6)); // black, partly left of and below the surface
    const Image shown = Compose(host);
    EXPECT_EQ(shown.At(1, 6), 0xFF000000u); // the box's black at surface (0, 5)
    EXPECT_EQ(shown.At(4, 6), 0xFF000000u); // box x = 5, its last column
    EXPECT_EQ(shown.At(5, 6), kFace);
    EXPECT_EQ(shown.At(1, 5), kFace);
    // The border around stays a border: check the line is not painted over by the box.
    host.pictureBoxes()[0]->SetBackColor(0x000000FF);
    host.pictureBoxes()[0]->Cls();
    const Image red = Compose(host);
    EXPECT_EQ(red.At(1, 8), 0xFFFF0000u);
    EXPECT_EQ(red.At(0, 8), 0xFF000000u); // left border
    EXPECT_EQ(red.At(3, 9), 0xFF000000u); // bottom border
}

TEST(Compose, VisibleShapesMergeNotPenOverTheirRectangleOnly) {
    ControlSite site(probe::ProbeClass(), Sized(10, 10));
    HeadlessHost& host = site.host();
    Shape* glow = host.ShapeChild("Shape1");
    ASSERT_NE(glow, nullptr);
    glow->Move(2, 2, 3, 3);
    glow->SetFillColor(0x00FF00FF);           // NOT fill = green 0xFF in RGB
    EXPECT_EQ(Compose(host).At(3, 3), kFace); // hidden: no effect
    glow->SetVisible(true);
    const Image shown = Compose(host);
    EXPECT_EQ(shown.At(2, 2), 0xFFD4FFC8u);
    EXPECT_EQ(shown.At(4, 4), 0xFFD4FFC8u);
    EXPECT_EQ(shown.At(5, 4), kFace);
    EXPECT_EQ(shown.At(1, 2), kFace);
    // A white fill leaves every pixel as it is; a black one turns them white.
    glow->SetFillColor(0x00FFFFFF);
    EXPECT_EQ(Compose(host).At(3, 3), kFace);
    glow->SetFillColor(kButtonText); // system black
    EXPECT_EQ(Compose(host).At(3, 3), 0xFFFFFFFFu);
}

TEST(Compose, TheMaskKeepsBlackPixelsAndMakesTheRestSeeThrough) {
    ControlSite site(probe::ProbeClass(), Sized(6, 4));
    HeadlessHost& host = site.host();
    Image mask(4, 4, 0xFF000000u);
    mask.At(1, 1) = 0xFFFFFFFFu;
    host.SetMaskPicture(MakePicture(mask, "m"));
    const Image shown = Compose(host);
    EXPECT_EQ(shown.At(0, 0), kFace);
    EXPECT_EQ(shown.At(1, 1) >> 24, 0u); // white: see-through
    EXPECT_EQ(shown.At(4, 0) >> 24, 0u); // outside the mask picture
    EXPECT_FALSE(ComposedPixel(shown, 1, 1));
    EXPECT_EQ(ComposedPixel(shown, 0, 0), 0x00C8D0D4u);
    EXPECT_FALSE(ComposedPixel(shown, -1, 0));
    EXPECT_FALSE(ComposedPixel(shown, 6, 0));
    // An empty mask picture is no shape at all.
    host.SetMaskPicture(MakeEmptyPicture());
    EXPECT_EQ(Compose(host).At(5, 3), kFace);
}

TEST(Compose, HotZonesDrawNothing) {
    ControlSite site(probe::ProbeClass(), Sized(20, 20));
    HeadlessHost& host = site.host();
    const Image before = Compose(host);
    for (int i = 0; i < 4; ++i)
        host.ZoneChild("Image1", i)->Move(0, 0, 20, 20);
    EXPECT_EQ(Compose(host).pixels, before.pixels);
    EXPECT_EQ(host.ZoneChild("Image1", 4), nullptr);
}

} // namespace nk
