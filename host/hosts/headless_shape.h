// A child rectangle shape of the headless host: hidden at first, composed over the control
// by merge-not-pen.
#pragma once

#include "framework/host.h"
#include "framework/interface_table.h"
#include "host/hosts/child_place.h"

namespace nk {

class HeadlessShape : public Shape, public ChildPlace {
public:
    explicit HeadlessShape(const ChildInfo& info) : ChildPlace(info), fill_(info.fillColor) {}
    OleColor fillColor() const { return fill_; }

    bool Move(double left, double top, double width, double height) override {
        return MoveTo(left, top, width, height);
    }
    void SetVisible(bool visible) override { visible_ = visible; }
    bool Visible() const override { return visible_; }
    void SetFillColor(OleColor c) override { fill_ = c; }

private:
    bool visible_ = false;
    OleColor fill_;
};

} // namespace nk
