// The sound step every push button runs and PlayResourceSound with its per-thread buffer,
// driven through a headless host whose player and event handler only record.
#include "framework/sound.h"
#include "host/hosts/headless_host.h"
#include "set1/screen/nuvel_screen.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <variant>
#include <vector>

namespace nk {
namespace {

using Bytes = std::shared_ptr<const std::vector<std::uint8_t>>;

// A host of nuvset1's resources that records the sounds it is asked to play (without
// keeping them) and the PlaySound events it receives.
struct RecordingPlayerHost {
    RecordingPlayerHost() : host(NuvelScreenInterface(), 40, 30) {
        host.hooks().player = [this](Bytes image, int id) {
            played.push_back(id);
            previousAliveAtStart.push_back(!lastImage.expired());
            lastImage = image;
        };
        host.hooks().onEvent = [this](const EventInfo*, int number,
                                      std::span<const EventArg> args) {
            ASSERT_EQ(number, kPlaySoundEvent);
            ASSERT_EQ(args.size(), 1u);
            ASSERT_TRUE(std::holds_alternative<std::int32_t*>(args[0]));
            events.push_back(*std::get<std::int32_t*>(args[0]));
        };
    }
    HeadlessHost host;
    std::vector<int> played;
    std::vector<std::int32_t> events;
    std::weak_ptr<const std::vector<std::uint8_t>> lastImage;
    std::vector<bool> previousAliveAtStart; // was the last image still held when the next came
};

TEST(SoundStep, EachUseSoundAndSoundMethodCombination) {
    struct Case {
        VBool useSound;
        std::int32_t method;
        bool event;
        bool sound;
    };
    const Case cases[] = {
        {kFalse, 0, false, false}, {kFalse, 1, false, false}, {kFalse, 7, false, false},
        {kTrue, 0, false, true},   {kTrue, 1, true, false},   {kTrue, 7, true, false},
        {kTrue, -1, true, false},  {1, 0, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "UseSound " << c.useSound << " SoundMethod " << c.method);
        RecordingPlayerHost r;
        SoundStep(r.host, c.useSound, c.method, Gettingpushed);
        SoundStep(r.host, c.useSound, c.method, GettingReleased);
        const std::vector<std::int32_t> events =
            c.event ? std::vector<std::int32_t>{0, 1} : std::vector<std::int32_t>{};
        const std::vector<int> sounds = c.sound ? std::vector<int>{401, 402} : std::vector<int>{};
        EXPECT_EQ(r.events, events);
        EXPECT_EQ(r.played, sounds);
    }
}

TEST(PlayResourceSound, HandsThePlayerTheWaveImageOfTheResource) {
    RecordingPlayerHost r;
    PlayResourceSound(r.host, 402);
    ASSERT_EQ(r.played, std::vector<int>{402});
    const auto image = r.lastImage.lock();
    ASSERT_TRUE(image);
    ASSERT_GE(image->size(), 12u);
    EXPECT_EQ(std::string(image->begin(), image->begin() + 4), "RIFF");
    EXPECT_EQ(std::string(image->begin() + 8, image->begin() + 12), "WAVE");
}

TEST(PlayResourceSound, TheBufferKeepsTheLastImageAliveUntilTheNextSound) {
    RecordingPlayerHost r;
    PlayResourceSound(r.host, 401);
    // The player kept nothing: the thread's sound buffer holds the image it plays from.
    const auto press = r.lastImage;
    EXPECT_FALSE(press.expired());
    PlayResourceSound(r.host, 402);
    EXPECT_TRUE(press.expired());
    EXPECT_FALSE(r.lastImage.expired());
    // The press image was released only after the release sound had been started.
    EXPECT_EQ(r.previousAliveAtStart, (std::vector<bool>{false, true}));
}

TEST(PlayResourceSound, EachThreadHasABufferOfItsOwn) {
    RecordingPlayerHost mine;
    PlayResourceSound(mine.host, 401);
    const auto kept = mine.lastImage;
    std::thread([] {
        RecordingPlayerHost other;
        PlayResourceSound(other.host, 402);
        PlayResourceSound(other.host, 401);
    }).join();
    EXPECT_FALSE(kept.expired());
}

TEST(PlayResourceSound, AMissingResourcePlaysNothingAndKeepsTheBuffer) {
    RecordingPlayerHost r;
    PlayResourceSound(r.host, 401);
    const auto kept = r.lastImage;
    PlayResourceSound(r.host, 403);
    EXPECT_EQ(r.played, std::vector<int>{401});
    EXPECT_FALSE(kept.expired());
}

} // namespace
} // namespace nk
