// Members that several controls keep the same way, each a part stacked over
// MemberSteps<the control> as FontParts is: Enabled, MouseIcon and MousePointer, which the
// surface keeps, and ShortCutKey, which the control keeps and hands to the surface's access
// keys. `S` is what a surface member's setter does after assigning the surface.
#pragma once

#include "framework/member_steps.h"
#include "framework/pic_styles.h"
#include "framework/values.h"

#include <cstdint>
#include <string>

namespace nk {

template <typename Base, Steps S> class EnabledPart : public Base {
public:
    VBool Enabled() const { return ToVBool(this->Site().Enabled()); }
    void SetEnabled(VBool value) {
        this->Site().SetEnabled(value != kFalse);
        this->Changed(S);
    }
};

template <typename Base, Steps S> class MouseIconPart : public Base {
public:
    Picture MouseIcon() const { return this->Site().MouseIcon(); }
    void SetMouseIcon(const Picture& value) {
        this->Site().SetMouseIcon(value);
        this->Changed(S);
    }
};

template <typename Base, Steps S> class MousePointerPart : public Base {
public:
    std::int16_t MousePointer() const { return this->Site().MousePointer(); }
    void SetMousePointer(std::int16_t value) {
        this->Site().SetMousePointer(value);
        this->Changed(S);
    }
};

// A non-empty ShortCutKey becomes the surface's access keys; an empty one changes nothing.
template <typename Base> class ShortCutKeyPart : public Base {
public:
    const std::string& ShortCutKey() const { return shortCutKey_; }
    void SetShortCutKey(const std::string& value) {
        shortCutKey_ = value;
        this->Notify();
        ApplyShortCutKey();
    }

protected:
    void ApplyShortCutKey() { nk::ApplyShortCutKey(this->Site(), shortCutKey_); }

    std::string shortCutKey_;
};

} // namespace nk
