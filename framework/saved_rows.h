// A control's InitProperties, ReadProperties and WriteProperties driven by its member table:
// each row carries its initial value, its bag keys and defaults, its places in the three and
// how a value is applied, so a control writes out only the steps the rows cannot say.
#pragma once

#include "framework/control.h"
#include "framework/host.h"
#include "framework/property_bag.h"

#include <functional>
#include <initializer_list>
#include <string_view>

namespace nk {

// A step of the control's own at place `at` of InitProperties, ReadProperties or
// WriteProperties, between the members' rows: one that the rows cannot say.
struct OwnStep {
    int at;
    std::function<void()> run;
};

// InitProperties from the rows: each row with a place in it gets its initial value, stored
// or through its setter, in the order of the places, the control's own steps among them.
void InitFromRows(Control& control, Host& host, std::initializer_list<OwnStep> own = {});

// ReadProperties from the rows: each row with a place in it is read under its read key
// against its read default (the container's font for the font) and applied as the row says.
void ReadFromRows(Control& control, Host& host, const PropertyBag& bag,
                  std::initializer_list<OwnStep> own = {});

// WriteProperties from the rows: each row with a place in it is written under its bag key
// against its write default (the container's font for the font), as its getter gives it; a
// picture member without a picture is not written.
void WriteFromRows(Control& control, Host& host, PropertyBag& bag,
                   std::initializer_list<OwnStep> own = {});

// Whether the surface keeps a member of this name, so that a stored value goes onto it.
bool IsSurfaceMember(std::string_view name);

} // namespace nk
