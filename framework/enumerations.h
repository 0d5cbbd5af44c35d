// The enumerations that members of both libraries take, with their members' names and
// values as the type libraries declare them. A class's own enumerations sit beside its
// class; the interface tables link each member to the enumeration it takes.
#pragma once

#include "framework/interface_table.h"

namespace nk {

inline constexpr EnumMember kPicStylesMembers[] = {
    {"DefaultStyle", 0}, {"RescaleToEdges", 1}, {"RescaleWhenNeeded", 2},
    {"HalfSize", 3},     {"DoubleSize", 4},     {"OneAndHalfSize", 5},
};
// Set 1 names the picture modes NKPicStyles, set 2 NKPicStyles2; the members are the same.
inline constexpr EnumInfo kPicStylesEnum = {"NKPicStyles", kPicStylesMembers};
inline constexpr EnumInfo kPicStyles2Enum = {"NKPicStyles2", kPicStylesMembers};

inline constexpr EnumMember kSoundMethodMembers[] = {{"NKInternalSound", 0},
                                                     {"NKUseSoundEvent", 1}};
inline constexpr EnumInfo kSoundMethodEnum = {"NKSoundMethod", kSoundMethodMembers};

inline constexpr EnumMember kSoundTypeMembers[] = {{"Gettingpushed", 0}, {"GettingReleased", 1}};
inline constexpr EnumInfo kSoundTypeEnum = {"NKSoundType", kSoundTypeMembers};

inline constexpr EnumMember kFillBorderStyleMembers[] = {{"None", 0}, {"Fixed Single", 1}};
inline constexpr EnumInfo kFillBorderStyleEnum = {"NKFillBorderStyle", kFillBorderStyleMembers};

} // namespace nk
