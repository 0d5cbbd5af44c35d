// NuvelCheck: the check box of nuvset1. A 24 x 24 glyph sits at the left edge, centred
// vertically, with the caption to its right. A click, or Space or Enter pressed and released,
// flips Value between unchecked and checked. The classic look draws the built-in glyphs, the
// custom look four pictures of the user's own. While hovered (CoolButton) the control draws a
// raised edge and the host composes the glow overlay Shape1 above it.
#pragma once

#include "framework/control.h"
#include "framework/enumerations.h"
#include "framework/events.h"
#include "framework/host.h"
#include "framework/interface_table.h"
#include "framework/sound.h"

#include <cstdint>
#include <string>

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

class NuvelCheck final : public Control {
public:
    // The events of the class's event interface, by number.
    enum class Event : int {
        Click = 1,
        DblClick = 2,
        KeyDown = 3,
        KeyPress = 4,
        KeyUp = 5,
        MouseDown = 6,
        MouseMove = 7,
        MouseUp = 8,
        PlaySound = 9,
    };

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
    Font GetFont() const;
    void SetFont(const Font& value);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    // The default member. Any number is stored; 0 draws unchecked, anything else checked.
    std::int32_t Value() const { return value_; }
    void SetValue(std::int32_t value);
    OleColor BackColor() const;
    void SetBackColor(OleColor value);
    OleColor ForeColor() const;
    // Notifies without repainting: the caption takes the colour at the next repaint.
    void SetForeColor(OleColor value);
    VBool Enabled() const;
    void SetEnabled(VBool value);
    const Picture& PictureUncheck() const { return pictureUncheck_; }
    void SetPictureUncheck(const Picture& value);
    const Picture& PictureCheck() const { return pictureCheck_; }
    void SetPictureCheck(const Picture& value);
    const Picture& PicturePushed() const { return picturePushed_; }
    void SetPicturePushed(const Picture& value);
    const Picture& PictureDisabled() const { return pictureDisabled_; }
    void SetPictureDisabled(const Picture& value);
    std::int32_t NuvelCheckType() const { return nuvelCheckType_; }
    void SetNuvelCheckType(std::int32_t value);
    std::int32_t FocusType() const { return focusType_; }
    void SetFocusType(std::int32_t value);
    VBool CoolButton() const { return coolButton_; }
    void SetCoolButton(VBool value);
    VBool CoolUseGlow() const { return coolUseGlow_; }
    void SetCoolUseGlow(VBool value);
    OleColor CoolGlowColor() const { return coolGlowColor_; }
    void SetCoolGlowColor(OleColor value);

    // Methods.
    void AboutMe();
    void TimerInvoke();

private:
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
    bool hasFocus_ = false;
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
    void EnterFocus() override;
    void GotFocus() override;
    void ExitFocus() override;
    void LostFocus() override;
    void Resize() override;
    void Paint() override;

private:
    void Redraw();
    void DrawCaption(Rect rect);
    Picture ChooseGlyph();
    void DrawFocusMark(double centreY);

    void WorkOutPicturePresence();
    void Toggle();
    void TrackHover(float x, float y);
};

// The interface table of the NuvelCheck class (library nuvset1).
const InterfaceTable& NuvelCheckInterface();

} // namespace nk
