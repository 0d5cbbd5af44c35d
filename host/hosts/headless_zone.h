// A windowless image hot zone of the headless host: a rectangle and a tool tip; it draws
// nothing.
#pragma once

#include "framework/host.h"
#include "framework/interface_table.h"
#include "host/hosts/child_place.h"

#include <string>

namespace nk {

class HeadlessZone : public ImageZone, public ChildPlace {
public:
    HeadlessZone(const ChildInfo& info, int index) : ChildPlace(info), index_(index) {}
    int index() const { return index_; }
    const std::string& toolTipText() const { return toolTip_; }

    bool Move(double left, double top, double width, double height) override {
        return MoveTo(left, top, width, height);
    }
    void SetToolTipText(const std::string& text) override { toolTip_ = text; }

private:
    int index_;
    std::string toolTip_;
};

} // namespace nk
