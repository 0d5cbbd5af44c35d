#include "framework/events.h"

#include "framework/enumerations.h"
#include "framework/host.h"

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

void RaiseKeyEvent(Host& host, int number, std::int16_t& keyCode, std::int16_t& shift) {
    const EventArg args[] = {&keyCode, &shift};
    host.RaiseEvent(number, args);
}

void RaiseKeyPressEvent(Host& host, int number, std::int16_t& keyAscii) {
    const EventArg args[] = {&keyAscii};
    host.RaiseEvent(number, args);
}

void RaiseMouseEvent(Host& host, int number, std::int16_t& button, std::int16_t& shift, float& x,
                     float& y) {
    const EventArg args[] = {&button, &shift, &x, &y};
    host.RaiseEvent(number, args);
}

} // namespace nk
