// The name of a list nearest to a word that is not in it, for messages that suggest what was
// meant ("unknown member Capton of NuvelCommand; did you mean Caption?").
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace nk {

// The edit distance between two names, letters compared in any case.
int NameDistance(std::string_view a, std::string_view b);

// Words longer than this get no suggestion.
inline constexpr std::size_t kMaxSuggestedLength = 64;

// The candidate nearest to `word`, or "" when none is near enough to be a likely slip (at
// most a third of the word's letters wrong, and never more than three). On a tie the first.
std::string NearestName(std::string_view word, std::span<const std::string_view> candidates);

// "; did you mean X?" for the nearest candidate, or "" when there is none.
std::string DidYouMean(std::string_view word, std::span<const std::string_view> candidates);

} // namespace nk
