#include "support/nearest_name.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace nk {

namespace {

char Folded(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

int NameDistance(std::string_view a, std::string_view b) {
    // One row of the Levenshtein table at a time.
    std::vector<int> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = static_cast<int>(j);
    for (size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            const int change = diagonal + (Folded(a[i - 1]) == Folded(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, change});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string NearestName(std::string_view word, std::span<const std::string_view> candidates) {
    // No member name is this long, so a longer word is no slip and is not compared at all.
    if (word.size() > kMaxSuggestedLength) return {};
    const int allowed = std::min(3, std::max(1, static_cast<int>(word.size()) / 3));
    std::string_view best;
    int bestDistance = allowed + 1;
    for (std::string_view c : candidates) {
        // Names whose lengths differ by more than the allowance are farther than it.
        const std::size_t gap =
            c.size() > word.size() ? c.size() - word.size() : word.size() - c.size();
        if (gap > static_cast<std::size_t>(allowed)) continue;
        const int d = NameDistance(word, c);
        if (d < bestDistance) {
            best = c;
            bestDistance = d;
        }
    }
    return std::string(best);
}

std::string DidYouMean(std::string_view word, std::span<const std::string_view> candidates) {
    const std::string near = NearestName(word, candidates);
    return near.empty() ? std::string() : "; did you mean " + near + "?";
}

} // namespace nk
