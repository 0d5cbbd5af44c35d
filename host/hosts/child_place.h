// What every child of the headless host keeps: the table entry that declares it and the
// place the control last moved it to.
#pragma once

#include "framework/interface_table.h"

#include <string_view>

namespace nk {

class ChildPlace {
public:
    const ChildInfo& info() const { return info_; }
    std::string_view name() const { return info_.name; }
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }

    // Whether a child can be moved to a place: a finite corner and a size that rounds to
    // 0 to kMaxExtent pixels.
    static bool Acceptable(double left, double top, double width, double height);

protected:
    explicit ChildPlace(const ChildInfo& info) : info_(info) {}
    // Moves the child to an acceptable place; false, staying where it is, otherwise.
    bool MoveTo(double left, double top, double width, double height);

private:
    const ChildInfo& info_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

} // namespace nk
