// The windowed player under SDL's dummy audio driver, kept paused so that its queue can be
// read: what a sound queues, that a new sound replaces the old one, that a bad image is
// silence, and how long the player keeps an image.
#include "host/sound/wave.h"
#include "host/window/sdl_player.h"
#include "resources/resource_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace nk {
namespace {

using Bytes = std::shared_ptr<const std::vector<std::uint8_t>>;

Bytes Tone(std::size_t samples) {
    std::vector<std::int16_t> s(samples);
    for (std::size_t i = 0; i < samples; ++i)
        s[i] = static_cast<std::int16_t>(8000 * std::sin(static_cast<double>(i) * 0.05));
    return std::make_shared<const std::vector<std::uint8_t>>(EncodeMsAdpcmWave(s));
}

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("SDL_AUDIODRIVER")) saved_ = old;
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    void TearDown() override {
        if (saved_.empty())
            unsetenv("SDL_AUDIODRIVER");
        else
            setenv("SDL_AUDIODRIVER", saved_.c_str(), 1);
    }
    // Bytes one sample frame of a mono 44100 Hz sound takes in the device's queue.
    static std::uint32_t QueueBytesFor(const SdlPlayer& p, std::uint32_t frames) {
        EXPECT_EQ(p.deviceRate(), 44100);
        return frames * 2 * static_cast<std::uint32_t>(p.deviceChannels());
    }
    std::string saved_;
};

TEST_F(SoundPlayerTest, ASoundQueuesAllOfItsSamples) {
    SdlPlayer player({.start = false});
    player.Play(Tone(4710), 401);
    ASSERT_TRUE(player.deviceOpen()) << player.lastError();
    EXPECT_EQ(player.lastError(), "");
    EXPECT_EQ(player.QueuedBytes(), QueueBytesFor(player, 4710));
    EXPECT_EQ(player.currentId(), 401);
}

TEST_F(SoundPlayerTest, TheBuiltInSoundsQueueTheirWholeLength) {
    SdlPlayer player({.start = false});
    for (const auto& [id, frames] : {std::pair{401, 4710u}, std::pair{402, 7652u}}) {
        const ResourceEntry* entry = Nuvset1Resources().Find(id, ResourceKind::Sound);
        ASSERT_NE(entry, nullptr) << id;
        player.Play(std::make_shared<const std::vector<std::uint8_t>>(entry->bytes.begin(),
                                                                      entry->bytes.end()),
                    id);
        EXPECT_EQ(player.lastError(), "") << id;
        EXPECT_EQ(player.QueuedBytes(), QueueBytesFor(player, frames)) << id;
    }
}

TEST_F(SoundPlayerTest, ANewSoundStopsTheOnePlaying) {
    SdlPlayer player({.start = false});
    player.Play(Tone(4710), 401);
    player.Play(Tone(7652), 402);
    EXPECT_EQ(player.QueuedBytes(), QueueBytesFor(player, 7652));
    EXPECT_EQ(player.currentId(), 402);
}

TEST_F(SoundPlayerTest, AnImageItCannotDecodeGivesSilence) {
    SdlPlayer player({.start = false});
    player.Play(Tone(4710), 401);
    auto damaged = std::make_shared<std::vector<std::uint8_t>>(*Tone(4710));
    (*damaged)[20] = 0x55; // the format tag: neither PCM nor MS ADPCM
    player.Play(damaged, 401);
    EXPECT_EQ(player.QueuedBytes(), 0u);
    EXPECT_NE(player.lastError(), "");

    player.Play(Tone(100), 401);
    player.Play(std::make_shared<const std::vector<std::uint8_t>>(10, 0), 402);
    EXPECT_EQ(player.QueuedBytes(), 0u);
    player.Play(nullptr, 402);
    EXPECT_EQ(player.QueuedBytes(), 0u);
}

TEST_F(SoundPlayerTest, TheImageIsKeptUntilTheNextSoundReplacesIt) {
    SdlPlayer player({.start = false});
    Bytes first = Tone(500);
    std::weak_ptr<const std::vector<std::uint8_t>> watch = first;
    player.Play(std::move(first), 401);
    EXPECT_FALSE(watch.expired());
    player.Play(Tone(500), 402);
    EXPECT_TRUE(watch.expired());
}

TEST_F(SoundPlayerTest, WithoutAnAudioDeviceNothingPlaysAndNothingBreaks) {
    setenv("SDL_AUDIODRIVER", "nk-no-such-driver", 1);
    SdlPlayer player;
    player.Play(Tone(500), 401);
    EXPECT_FALSE(player.deviceOpen());
    EXPECT_NE(player.lastError(), "");
    EXPECT_EQ(player.QueuedBytes(), 0u);
}

} // namespace
} // namespace nk
