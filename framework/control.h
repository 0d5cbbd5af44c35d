// The notifications a container sends to a control. A control answers each one
// through its Host; none throws and none returns a value except through
// by-reference arguments.
#pragma once

#include "framework/property_bag.h"

#include <cstdint>
#include <string_view>

namespace nk {

struct InterfaceTable;

// Names a child control: `Picture1`, or an element of a control array like `Image1(2)`.
struct ChildRef {
    std::string_view name;
    int index = -1; // -1 for a child that is not part of an array
};

class Control {
public:
    virtual ~Control() = default;
    virtual const InterfaceTable& Interface() const = 0;

    virtual void InitProperties() {}
    virtual void ReadProperties(const PropertyBag&) {}
    virtual void WriteProperties(PropertyBag&) {}
    virtual void Resize() {}
    virtual void Paint() {}
    virtual void Click() {}
    virtual void DblClick() {}
    virtual void KeyDown(std::int16_t /*keyCode*/, std::int16_t /*shift*/) {}
    virtual void KeyUp(std::int16_t /*keyCode*/, std::int16_t /*shift*/) {}
    virtual void KeyPress(std::int16_t /*keyAscii*/) {}
    virtual void AccessKeyPress(std::int16_t /*keyAscii*/) {}
    virtual void MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/,
                           float /*y*/) {}
    virtual void MouseMove(std::int16_t, std::int16_t, float, float) {}
    virtual void MouseUp(std::int16_t, std::int16_t, float, float) {}
    virtual void GotFocus() {}
    virtual void LostFocus() {}
    virtual void EnterFocus() {}
    virtual void ExitFocus() {}

    // The same notifications, delivered by a child (a picture box or a hot zone).
    virtual void ChildPaint(ChildRef) {}
    virtual void ChildClick(ChildRef) {}
    virtual void ChildDblClick(ChildRef) {}
    virtual void ChildKeyDown(ChildRef, std::int16_t, std::int16_t) {}
    virtual void ChildKeyUp(ChildRef, std::int16_t, std::int16_t) {}
    virtual void ChildKeyPress(ChildRef, std::int16_t) {}
    virtual void ChildMouseDown(ChildRef, std::int16_t, std::int16_t, float, float) {}
    virtual void ChildMouseMove(ChildRef, std::int16_t, std::int16_t, float, float) {}
    virtual void ChildMouseUp(ChildRef, std::int16_t, std::int16_t, float, float) {}
};

} // namespace nk
