// NuvelProbe: a control written for the harness's own tests. It exercises every request a
// control can make of its host (each surface operation, the children, events with
// by-reference arguments, its own size, capture, access keys, sounds, the about dialog and
// a file error), so the recording host and the script runner can be checked before any
// real control exists.
#pragma once

#include "framework/interface_table.h"
#include "framework/resource_library.h"

namespace nk::probe {

// Event numbers of NuvelProbe.
enum ProbeEvent : int {
    kClick = 1,
    kDblClick = 2,
    kKeyDown = 3,
    kMouseMove = 4,
    kChange = 5,
    kPing = 6,
    kZoneDown = 7,
    kTick = 8,
    kPlaySound = 9,
    kTint = 10,
};

// Its resources: bitmap 7 (a 4 x 3 red picture, 24 bits), bitmap 8 (a damaged file) and
// the sounds 401 and 402 (short byte strings).
const ResourceLibrary& ProbeResources();

const InterfaceTable& ProbeClass();

} // namespace nk::probe
