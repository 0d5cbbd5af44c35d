// AboutMe's one form per thread, made anew after OK, and OpenAddress with its return flag.
#include "host/hosts/headless_host.h"
#include "set1/about/about.h"
#include "set1/screen/nuvel_screen.h"
#include "tests/fake_container.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

namespace nk {
namespace {

// A headless host that remembers each form it is asked to show and can act while the
// dialog is up; its container keeps the shell's addresses and the message boxes.
class WatchingHost : public HeadlessHost {
public:
    WatchingHost() : HeadlessHost(NuvelScreenInterface(), 40, 30) { hooks() = container.Hooks(); }

    struct Shown {
        const ModalForm* form;
        bool unloadedAtShow;
        bool unloadedAfter;
    };
    testing_support::FakeContainer container;
    std::vector<Shown> shown;
    std::function<void(ModalForm&)> whileShown; // runs inside the modal loop
    bool closeWithOk = true;

    void ShowModal(ModalForm& form) override {
        shown.push_back({&form, form.Closed(), false});
        const std::size_t at = shown.size() - 1;
        if (whileShown) whileShown(form);
        if (closeWithOk) HeadlessHost::ShowModal(form);
        shown[at].unloadedAfter = form.Closed();
    }
};

TEST(AboutMe, EachCallAfterOkShowsAFreshForm) {
    WatchingHost host;
    AboutMe(host);
    AboutMe(host);
    ASSERT_EQ(host.shown.size(), 2u);
    // A form left over from the first dialog would still be unloaded.
    EXPECT_FALSE(host.shown[0].unloadedAtShow);
    EXPECT_FALSE(host.shown[1].unloadedAtShow);
    // The first dialog ended, so the host showed and closed the second one too.
    EXPECT_TRUE(host.shown[0].unloadedAfter);
    EXPECT_TRUE(host.shown[1].unloadedAfter);
}

TEST(AboutMe, AFormClosedWithoutOkIsShownAgain) {
    WatchingHost host;
    host.closeWithOk = false;
    AboutMe(host);
    AboutMe(host);
    ASSERT_EQ(host.shown.size(), 2u);
    EXPECT_EQ(host.shown[0].form, host.shown[1].form);
    // Close it with OK so that the next test on this thread starts without a form.
    host.closeWithOk = true;
    AboutMe(host);
    EXPECT_EQ(host.shown.size(), 3u);
}

TEST(AboutMe, ACallWhileTheDialogIsShownDoesNothing) {
    WatchingHost host;
    host.whileShown = [&host](ModalForm&) { AboutMe(host); };
    AboutMe(host);
    EXPECT_EQ(host.shown.size(), 1u);
    host.whileShown = nullptr;
    AboutMe(host);
    EXPECT_EQ(host.shown.size(), 2u);
}

TEST(AboutMe, EachThreadHasAFormOfItsOwn) {
    WatchingHost first;
    first.closeWithOk = false; // the form stays alive on this thread
    AboutMe(first);
    WatchingHost second;
    std::thread([&second] { AboutMe(second); }).join();
    ASSERT_EQ(first.shown.size(), 1u);
    ASSERT_EQ(second.shown.size(), 1u);
    EXPECT_NE(first.shown[0].form, second.shown[0].form);
    first.closeWithOk = true;
    AboutMe(first);
}

TEST(AboutMe, TheFormUsesTheHostOfTheLatestCaller) {
    WatchingHost first;
    first.closeWithOk = false;
    AboutMe(first);
    WatchingHost second;
    second.container.shellResult = 2;
    second.QueueDialogClicks(std::vector<std::string>{"Label1(7)"});
    AboutMe(second);
    EXPECT_TRUE(first.container.shellAddresses.empty());
    ASSERT_EQ(second.container.shellAddresses.size(), 1u);
    EXPECT_EQ(second.container.messageBoxes.size(), 1u);
}

TEST(OpenAddress, WithReturnFlagOneTheShellResultComesBackAndNothingIsShown) {
    WatchingHost host;
    host.container.shellResult = 2;
    EXPECT_EQ(OpenAddress(host, "https://a.example/", 1), 2);
    host.container.shellResult = 42;
    EXPECT_EQ(OpenAddress(host, "https://a.example/", 1), 42);
    EXPECT_TRUE(host.container.messageBoxes.empty());
}

TEST(OpenAddress, OtherwiseItReturnsZeroAndReportsFailuresOnly) {
    WatchingHost host;
    host.container.shellResult = 42;
    EXPECT_EQ(OpenAddress(host, "https://a.example/", 0), 0);
    EXPECT_TRUE(host.container.messageBoxes.empty());
    host.container.shellResult = 32;
    EXPECT_EQ(OpenAddress(host, "https://a.example/", 0), 0);
    host.container.shellResult = 31;
    EXPECT_EQ(OpenAddress(host, "https://a.example/", 2), 0);
    ASSERT_EQ(host.container.messageBoxes.size(), 2u);
    EXPECT_EQ(host.container.messageBoxes[0].style, 16);
    EXPECT_EQ(host.container.messageBoxes[0].text,
              "URL Access Failed: A needed program extension was not found.");
    EXPECT_EQ(host.container.shellAddresses,
              (std::vector<std::string>{"https://a.example/", "https://a.example/",
                                        "https://a.example/"}));
}

TEST(OpenAddress, TheMessageTableCoversEveryResultUpTo32) {
    for (int r = -3; r <= 40; ++r) {
        const auto message = AddressFailureMessage(r);
        EXPECT_EQ(message.has_value(), r <= 32) << r;
        if (!message) continue;
        EXPECT_FALSE(message->title.empty()) << r;
        EXPECT_FALSE(message->text.empty()) << r;
    }
    EXPECT_EQ(AddressFailureMessage(17)->text,
              "URL Access Failed: Unknown Error - Error Code is 17");
    EXPECT_EQ(AddressFailureMessage(2)->title, "File Access Error");
    EXPECT_EQ(AddressFailureMessage(3)->title, "Address Access Error");
}

} // namespace
} // namespace nk
