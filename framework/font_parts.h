// The font of the control's surface and its parts as members of their own (FontName,
// FontSize, FontBold, FontItalic, FontStrikethru, FontUnderline and Font). Each setter puts
// the changed font on the surface, tells the container under the member's own name and
// repaints. `Base` is MemberSteps<the control> or another shared part over it.
#pragma once

#include "framework/member_steps.h"
#include "framework/values.h"

#include <string>
#include <utility>

namespace nk {

template <typename Base> class FontParts : public Base {
public:
    std::string FontName() const { return GetFont().name; }
    void SetFontName(const std::string& value) { Change(&Font::name, value); }
    float FontSize() const { return static_cast<float>(GetFont().size); }
    void SetFontSize(float value) { Change(&Font::size, double{value}); }
    VBool FontBold() const { return ToVBool(GetFont().bold); }
    void SetFontBold(VBool value) { Change(&Font::bold, value != kFalse); }
    VBool FontItalic() const { return ToVBool(GetFont().italic); }
    void SetFontItalic(VBool value) { Change(&Font::italic, value != kFalse); }
    VBool FontStrikethru() const { return ToVBool(GetFont().strikethru); }
    void SetFontStrikethru(VBool value) { Change(&Font::strikethru, value != kFalse); }
    VBool FontUnderline() const { return ToVBool(GetFont().underline); }
    void SetFontUnderline(VBool value) { Change(&Font::underline, value != kFalse); }
    Font GetFont() const { return this->Site().GetFont(); }
    void SetFont(const Font& value) { ApplyFont(value); }

private:
    template <typename T> void Change(T Font::*part, T value, Caller where = __builtin_FUNCTION()) {
        Font font = GetFont();
        font.*part = std::move(value);
        ApplyFont(font, where);
    }
    void ApplyFont(const Font& font, Caller where = __builtin_FUNCTION()) {
        this->Site().SetFont(font);
        this->Changed(SetterMember(where));
    }
};

} // namespace nk
