// NuvelCheck: the check box of nuvset1. A 24 x 24 glyph sits at the left edge, centred
// vertically, with the caption to its right. A click, or Space or Enter pressed and released,
// flips Value between unchecked and checked. The classic look draws the built-in glyphs, the
// custom look four pictures of the user's own. While hovered (CoolButton) the control draws a
// raised edge and the host composes the glow overlay Shape1 above it.
#pragma once

#include "framework/control.h"
#include "framework/enumerations.h"
#include "framework/events.h"
#include "framework/focus_parts.h"
#include "framework/host.h"
#include "framework/interface_table.h"
#include "framework/member_steps.h"
#include "framework/push_events.h"
#include "framework/shared_members.h"
#include "framework/sound.h"
#include "set1/about/about.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

enum NKChkType : std::int32_t { NKClassic = 0, NKCustom = 1 };
inline constexpr EnumMember kCheckTypeMembers[] = {{"NKClassic", 0}, {"NKCustom", 1}};
inline constexpr EnumInfo kCheckTypeEnum = {"NKChkType", kCheckTypeMembers};
enum NKChkFocusType : std::int32_t { NKChkNormalCircle = 0, NKChkNormalSquare = 1 };
inline constexpr EnumMember kCheckFocusTypeMembers[] = {{"NKChkNormalCircle", 0},
                                                        {"NKChkNormalSquare", 1}};
inline constexpr EnumInfo kCheckFocusTypeEnum = {"NKChkFocusType", kCheckFocusTypeMembers};
enum NKBiState : std::int32_t { NKUnChecked = 0, NKChecked = 1 };
inline constexpr EnumMember kBiStateMembers[] = {{"NKUnChecked", 0}, {"NKChecked", 1}};
inline constexpr EnumInfo kBiStateEnum = {"NKBiState", kBiStateMembers};

class NuvelCheck final : public FocusPart<NuvelCheck>,
                         public EnabledPart<MemberSteps<NuvelCheck>, Steps::RedrawThenNotify> {
public:
    // The events of the class's event interface, by number.
    using Event = PushButtonEvent;

    explicit NuvelCheck(Host& host);
    const InterfaceTable& Interface() const override;

    // Public fields: the container writes them directly; nothing is notified or repainted,
    // the look follows at the next repaint and the value is saved at the next save.
    VBool AllowMultiLine = kFalse;
    std::int32_t AdjustTop = 0;
    VBool ShowFocus = kFalse;
    VBool UseSound = kFalse;
    std::int32_t SoundMethod = NKInternalSound;
    OleColor FocusColor = 0;

    // Properties, in interface order.
    Font GetFont() const { return host_.GetFont(); }
    void SetFont(const Font& value) {
        host_.SetFont(value);
        Changed();
    }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { Store(caption_, value); }
    // The default member. Any number is stored; 0 draws unchecked, anything else checked.
    // Setting it from code plays no sound and raises no event.
    std::int32_t Value() const { return value_; }
    void SetValue(std::int32_t value) { Store(value_, value); }
    OleColor BackColor() const { return host_.BackColor(); }
    void SetBackColor(OleColor value) {
        host_.SetBackColor(value);
        Changed();
    }
    OleColor ForeColor() const { return host_.ForeColor(); }
    // Notifies without repainting: the caption takes the colour at the next repaint.
    void SetForeColor(OleColor value) {
        host_.SetForeColor(value);
        Notify();
    }
    const Picture& PictureUncheck() const { return pictureUncheck_; }
    void SetPictureUncheck(const Picture& value) {
        StorePicture(pictureUncheck_, hasPictureUncheck_, value);
    }
    const Picture& PictureCheck() const { return pictureCheck_; }
    void SetPictureCheck(const Picture& value) {
        StorePicture(pictureCheck_, hasPictureCheck_, value);
    }
    const Picture& PicturePushed() const { return picturePushed_; }
    void SetPicturePushed(const Picture& value) {
        StorePicture(picturePushed_, hasPicturePushed_, value);
    }
    const Picture& PictureDisabled() const { return pictureDisabled_; }
    void SetPictureDisabled(const Picture& value) {
        StorePicture(pictureDisabled_, hasPictureDisabled_, value);
    }
    std::int32_t NuvelCheckType() const { return nuvelCheckType_; }
    void SetNuvelCheckType(std::int32_t value) { Store(nuvelCheckType_, value, kRedrawFirst); }
    std::int32_t FocusType() const { return focusType_; }
    void SetFocusType(std::int32_t value) { Store(focusType_, value, kRedrawFirst); }
    VBool CoolButton() const { return coolButton_; }
    void SetCoolButton(VBool value) { Store(coolButton_, value); }
    VBool CoolUseGlow() const { return coolUseGlow_; }
    void SetCoolUseGlow(VBool value) { Store(coolUseGlow_, value); }
    OleColor CoolGlowColor() const { return coolGlowColor_; }
    void SetCoolGlowColor(OleColor value) { Store(coolGlowColor_, value); }

    // Methods.
    void AboutMe() { nk::AboutMe(host_); }
    // The check box has nothing to animate.
    void TimerInvoke() {}

private:
    friend MemberSteps<NuvelCheck>;
    friend FocusPart<NuvelCheck>;
    friend const InterfaceTable& NuvelCheckInterface();
    // The member table's rows, in interface order, each with its part in the lifecycle.
    static std::vector<PropertyInfo> Rows();

    Host& host_;

    // Stored properties.
    std::string caption_;
    std::int32_t value_ = NKUnChecked;
    Picture pictureUncheck_;
    Picture pictureCheck_;
    Picture picturePushed_;
    Picture pictureDisabled_;
    std::int32_t nuvelCheckType_ = NKClassic;
    std::int32_t focusType_ = NKChkNormalCircle;
    VBool coolButton_ = kFalse;
    VBool coolUseGlow_ = kFalse;
    OleColor coolGlowColor_ = 0;

    // Whether each picture property holds a picture object (an empty one counts), worked out
    // by the picture's setter, at first placement, after a load and after a save.
    bool hasPictureUncheck_ = false;
    bool hasPictureCheck_ = false;
    bool hasPicturePushed_ = false;
    bool hasPictureDisabled_ = false;

    // Interaction state, never saved.
    bool pressed_ = false;
    bool hovering_ = false;

public:
    // Host notifications.
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Click() override;
    void AccessKeyPress(std::int16_t keyAscii) override;
    void DblClick() override;
    void KeyDown(std::int16_t keyCode, std::int16_t shift) override;
    void KeyUp(std::int16_t keyCode, std::int16_t shift) override;
    void KeyPress(std::int16_t keyAscii) override;
    void Resize() override;
    void Paint() override;

private:
    void Redraw();
    void DrawCaption(Rect rect);
    Picture ChooseGlyph();
    void DrawFocusMark(double centreY);

    // Stores a picture, works out whether it is present, repaints and tells the container.
    void StorePicture(Picture& field, bool& present, const Picture& value,
                      Where where = __builtin_FUNCTION()) {
        field = value;
        present = IsPresent(field);
        Changed(SetterMember(where), kRedrawFirst);
    }
    void WorkOutPicturePresence();
    void Toggle();
    void TrackHover(float x, float y);
};

// The interface table of the NuvelCheck class (library nuvset1).
const InterfaceTable& NuvelCheckInterface();

} // namespace nk
