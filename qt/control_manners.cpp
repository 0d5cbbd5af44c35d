#include "qt/control_manners.h"

#include "framework/interface_table.h"
#include "framework/variant.h"
#include "host/forms/form.h"
#include "host/input/form_input.h"
#include "qt/kit.h"

#include <QFontMetrics>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace nk::qt {

namespace {

// How a class's host meets the keyboard. The keys the control acts on stay with it (a push
// button's Space and Return, a check box's Space, the pad's arrows and direction letters);
// any other key goes on to the parent once the control has heard it, so that Escape reaches
// a dialog and Return its default button, as from a QCheckBox or a QProgressBar.
struct KeyManners {
    std::string_view className;
    std::array<int, 8> uses; // VK codes; 0 ends the list
    Mnemonic mnemonic;
};

constexpr KeyManners kKeyManners[] = {
    {"NuvelCommand", {vk::kSpace, vk::kReturn}, Mnemonic::Presses},
    {"NuvelHCommand", {vk::kSpace, vk::kReturn}, Mnemonic::Presses},
    {"NuvelSphere", {vk::kSpace, vk::kReturn}, Mnemonic::None},
    {"NuvelCheck", {vk::kSpace}, Mnemonic::Toggles},
    {"NuvelPad", {vk::kLeft, vk::kUp, vk::kRight, vk::kDown, 'U', 'D', 'L', 'R'}, Mnemonic::None},
    {"NuvelFill", {}, Mnemonic::None},
    {"NuvelScreen", {}, Mnemonic::None},
};

// A class not in the table uses no key and has no mnemonic.
const KeyManners& MannersOf(std::string_view className) {
    static constexpr KeyManners kNone{"", {}, Mnemonic::None};
    for (const KeyManners& m : kKeyManners)
        if (m.className == className) return m;
    return kNone;
}

// What a class's artwork needs to draw whole beyond its control's own size rules: a push
// button's caption line between round caps, a check box's glyph beside a caption line.
enum class Artwork { None, Pill, CheckBox };

Artwork ArtworkOf(std::string_view className) {
    if (className == "NuvelCommand" || className == "NuvelHCommand") return Artwork::Pill;
    if (className == "NuvelCheck") return Artwork::CheckBox;
    return Artwork::None;
}

// Members a control changes by itself without reporting the change (a pad's step moves its
// values): the host looks at them after every delivery, so that their change signals come as
// for any other change.
struct QuietMembers {
    std::string_view className;
    std::array<std::string_view, 2> members;
};
constexpr QuietMembers kQuietMembers[] = {{"NuvelPad", {"XValue", "YValue"}}};

} // namespace

bool classUsesKey(std::string_view className, int keyCode) {
    const auto& uses = MannersOf(className).uses;
    return std::find(uses.begin(), uses.end(), keyCode) != uses.end() && keyCode != 0;
}

Mnemonic mnemonicOf(std::string_view className) {
    return MannersOf(className).mnemonic;
}

// "&&" draws an ampersand and marks nothing; the first mark counts.
char captionMnemonic(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        const char next = caption[++i];
        if (next == '&') continue;
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(next)));
        const bool ascii = (lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9');
        return ascii ? lower : 0;
    }
    return 0;
}

std::vector<AccessKeyBinding> accessKeyBindings(const std::string& keys, char mark, bool toggles) {
    std::vector<AccessKeyBinding> out;
    std::string seen;
    std::string all = keys;
    if (mark) all += mark;
    for (char k : all) {
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(k)));
        const bool letter = lower >= 'a' && lower <= 'z';
        const bool digit = lower >= '0' && lower <= '9';
        if ((!letter && !digit) || seen.find(lower) != std::string::npos) continue;
        seen += lower;
        const bool toggle = toggles && lower == mark;
        const int key = letter ? Qt::Key_A + (lower - 'a') : Qt::Key_0 + (lower - '0');
        // Alt+letter types the lower-case letter, Alt+Shift+letter the capital.
        for (bool shifted : {false, true}) {
            if (shifted && !letter) continue;
            out.push_back(
                {static_cast<Qt::Key>(key), shifted, shifted ? lower - 32 : lower, toggle});
        }
    }
    return out;
}

void toggleCheck(FormControl& control) {
    const std::optional<Variant> value = control.Get("Value");
    const bool unchecked = value && value->ToLong() == std::optional<std::int32_t>(0);
    control.Set("Value", Variant::Long(unchecked ? 1 : 0));
}

QSize artworkLeast(std::string_view className, QSize least, const std::optional<Variant>& caption,
                   const QFont& font) {
    least = least.expandedTo(QSize(1, 1));
    const Artwork art = ArtworkOf(className);
    if (art == Artwork::None) return least;
    const QFontMetrics metrics(font);
    const int line = metrics.height();
    const int text =
        caption ? metrics.horizontalAdvance(visibleCaption(VariantToString(*caption))) : 0;
    if (art == Artwork::Pill) {
        // A line of caption inside the focus frame, between the two round caps.
        const int h = line + kFocusFrame;
        return least.expandedTo(QSize(text + h, h));
    }
    // The check box's glyph and a line of its caption beside it.
    return least.expandedTo(
        QSize(kCheckCaptionLeft + text + kCheckCaptionMargin, std::max(kCheckGlyph, line)));
}

std::span<const std::string_view> quietMembers(std::string_view className) {
    for (const QuietMembers& quiet : kQuietMembers)
        if (quiet.className == className) return quiet.members;
    return {};
}

// Even logical pixels at 1.5, so that a part repainted or composed from there lands on the
// device pixels of the whole and a clip to it loses no device pixel.
QRect alignedToDevice(QRect b, double scale) {
    int step = 1;
    while (step < 4 && step * scale != std::floor(step * scale))
        ++step;
    const auto down = [step](int v) { return v - v % step; };
    const auto up = [step](int v) { return (v + step - 1) / step * step; };
    const int left = down(std::max(b.left(), 0)), top = down(std::max(b.top(), 0));
    return QRect(QPoint(left, top), QPoint(up(b.right() + 1) - 1, up(b.bottom() + 1) - 1));
}

bool animatedOnTimer(const InterfaceTable& table) {
    const MethodInfo* method = table.FindMethod("TimerInvoke");
    return method && !method->inert;
}

QString visibleCaption(const std::string& caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == '&')
            continue;
        shown += caption[i];
    }
    return fromUtf8(shown);
}

} // namespace nk::qt
