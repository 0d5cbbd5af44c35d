// The font of the control's surface and its parts as members of their own (FontName,
// FontSize, FontBold, FontItalic, FontStrikethru, FontUnderline and Font). Each setter puts
// the changed font on the surface, tells the container under the member's own name and
// repaints.
#pragma once

#include "framework/member_steps.h"
#include "framework/values.h"

#include <string>
#include <string_view>

namespace nk {

template <typename Self> class FontParts : public MemberSteps<Self> {
public:
    std::string FontName() const { return GetFont().name; }
    void SetFontName(const std::string& value) { Change("FontName", &Font::name, value); }
    float FontSize() const { return static_cast<float>(GetFont().size); }
    void SetFontSize(float value) { Change("FontSize", &Font::size, double{value}); }
    VBool FontBold() const { return ToVBool(GetFont().bold); }
    void SetFontBold(VBool value) { Change("FontBold", &Font::bold, value != kFalse); }
    VBool FontItalic() const { return ToVBool(GetFont().italic); }
    void SetFontItalic(VBool value) { Change("FontItalic", &Font::italic, value != kFalse); }
    VBool FontStrikethru() const { return ToVBool(GetFont().strikethru); }
    void SetFontStrikethru(VBool value) {
        Change("FontStrikethru", &Font::strikethru, value != kFalse);
    }
    VBool FontUnderline() const { return ToVBool(GetFont().underline); }
    void SetFontUnderline(VBool value) {
        Change("FontUnderline", &Font::underline, value != kFalse);
    }
    Font GetFont() const { return this->Site().GetFont(); }
    void SetFont(const Font& value) { Apply("Font", value); }

private:
    template <typename T> void Change(std::string_view name, T Font::*part, T value) {
        Font font = GetFont();
        font.*part = std::move(value);
        Apply(name, font);
    }
    void Apply(std::string_view name, const Font& font) {
        this->Site().SetFont(font);
        this->Changed(name);
    }
};

} // namespace nk
