#include "framework/glow.h"

#include <cstdint>
#include <limits>

namespace nk {

std::optional<OleColor> GlowFillColor(OleColor glow) {
    constexpr std::int64_t kWhite = 0xFFFFFF;
    const std::int64_t fill = kWhite - static_cast<std::int32_t>(glow);
    if (fill < std::numeric_limits<std::int32_t>::min() ||
        fill > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<OleColor>(static_cast<std::int32_t>(fill));
}

} // namespace nk
