// The suggestions of messages about names that are not there: near slips are named, far
// guesses are not.
#include "support/nearest_name.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace nk {
namespace {

TEST(NearestName, SuggestsOnlyLikelySlips) {
    const std::vector<std::string_view> members = {
        "Caption", "CaptionColor", "BackColor", "Enabled", "Value", "Min", "Max"};
    struct Case {
        std::string_view word;
        std::string_view nearest;
    };
    const std::vector<Case> cases = {
        {"Capton", "Caption"},  // a letter left out
        {"caption", "Caption"}, // letter case does not count
        {"Captoin", "Caption"}, // two letters swapped: two changes in seven letters
        {"CaptionColour", "CaptionColor"},
        {"BakColor", "BackColor"},
        {"Enabeld", "Enabled"},
        {"Mix", "Min"}, // a short word may miss one letter: the first of a tie
        {"Mqq", ""},    // but not two
        {"Colour", ""}, // nothing is that near
        {"", ""},
        {"Frobnicate", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NearestName(c.word, members), c.nearest) << c.word;
    EXPECT_EQ(DidYouMean("Capton", members), "; did you mean Caption?");
    EXPECT_EQ(DidYouMean("Colour", members), "");
}

TEST(NearestName, DistanceCountsEditsInAnyCase) {
    struct Case {
        std::string_view a, b;
        int distance;
    };
    const std::vector<Case> cases = {
        {"", "", 0},       {"abc", "", 3},           {"", "abc", 3},
        {"ABC", "abc", 0}, {"kitten", "sitting", 3}, {"Caption", "Capton", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameDistance(c.a, c.b), c.distance) << c.a << " / " << c.b;
}

} // namespace
} // namespace nk
