#include "qt/size_rules.h"

#include "host/forms/form.h"

#include <algorithm>
#include <deque>
#include <mutex>

namespace nk::qt {

namespace {

// The members that decide a control's size rules: its picture mode, and a bar's orientation.
constexpr std::string_view kSizeMembers[] = {"PictureMode", "FillOrientation"};

// Asked for one pixel square, the probe keeps its least size; asked for a pixel more, a
// fixed side stays.
SizeRules Probe(const InterfaceTable& table, const SizeSettings& settings, const Font& font) {
    FormSettings form;
    form.font = font;
    form.timerInterval = 0;
    const InterfaceTable* const classes[] = {&table};
    Form probe(classes, form);
    FormControl* c = probe.Add(table.className, "Probe1", 0, 0, 1, 1);
    SizeRules rules;
    if (!c) return rules;
    for (const auto& [name, value] : settings)
        c->Set(name, value);
    c->SetSize(1, 1);
    rules.least = QSize(c->width(), c->height()).expandedTo(QSize(1, 1));
    if (!c->SetSize(rules.least.width() + 1, rules.least.height() + 1)) return rules;
    rules.fixedWidth = rules.least.width() > 1 && c->width() == rules.least.width();
    rules.fixedHeight = rules.least.height() > 1 && c->height() == rules.least.height();
    return rules;
}

// The rules found so far, the latest first; a few dozen are ever asked for (a class, its
// modes, a font or two), and the oldest go beyond that.
class RulesFound {
public:
    SizeRules Find(const InterfaceTable& table, const SizeSettings& settings, const Font& font) {
        const std::lock_guard hold(lock_);
        for (const Entry& e : found_)
            if (e.table == &table && e.font == font && SameSettings(e.settings, settings))
                return e.rules;
        const SizeRules rules = Probe(table, settings, font);
        found_.push_front({&table, font, settings, rules});
        if (found_.size() > kMost) found_.pop_back();
        return rules;
    }

private:
    static constexpr std::size_t kMost = 64;
    struct Entry {
        const InterfaceTable* table;
        Font font;
        SizeSettings settings;
        SizeRules rules;
    };
    std::mutex lock_;
    std::deque<Entry> found_;
};

} // namespace

SizeSettings SizeSettingsOf(const InterfaceTable& table,
                            const std::function<std::optional<Variant>(std::string_view)>& get) {
    SizeSettings settings;
    for (std::string_view name : kSizeMembers) {
        if (!table.FindProperty(name)) continue;
        if (std::optional<Variant> v = get(name)) settings.emplace_back(name, *v);
    }
    return settings;
}

bool SameSettings(const SizeSettings& a, const SizeSettings& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.first == y.first && x.second.SameValue(y.second);
    });
}

SizeRules FindSizeRules(const InterfaceTable& table, const SizeSettings& settings,
                        const Font& font) {
    static RulesFound found;
    return found.Find(table, settings, font);
}

} // namespace nk::qt
