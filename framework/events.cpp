#include "framework/events.h"

#include "framework/enumerations.h"

namespace nk {

std::vector<EventArgInfo> KeyArgs() {
    return {{"KeyCode", ValueType::Integer}, {"Shift", ValueType::Integer}};
}

std::vector<EventArgInfo> KeyPressArgs() {
    return {{"KeyAscii", ValueType::Integer}};
}

std::vector<EventArgInfo> MouseArgs(std::string_view x, std::string_view y) {
    return {{"Button", ValueType::Integer},
            {"Shift", ValueType::Integer},
            {x, ValueType::Single},
            {y, ValueType::Single}};
}

std::vector<EventArgInfo> SoundArgs() {
    return {{"SoundType", ValueType::Long, true, &kSoundTypeEnum}};
}

} // namespace nk
