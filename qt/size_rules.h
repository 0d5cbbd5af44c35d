// The size rules of a control class: the least size a control keeps and the sides it holds
// fixed, for the settings that change them (its picture mode, a bar's orientation) and the
// font. They belong to the class, not to one widget, so each is found once per process, by
// a probe control apart in a form of its own, and remembered.
#pragma once

#include "framework/font.h"
#include "framework/interface_table.h"
#include "framework/variant.h"

#include <QSize>

#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace nk::qt {

struct SizeRules {
    QSize least{1, 1};
    bool fixedWidth = false;
    bool fixedHeight = false;
};

// The members whose values change a class's size rules, with their values (the names are
// static text).
using SizeSettings = std::vector<std::pair<std::string_view, Variant>>;

// Those members of `table`'s class, with the values `get` gives for them.
SizeSettings SizeSettingsOf(const InterfaceTable& table,
                            const std::function<std::optional<Variant>(std::string_view)>& get);

// The rules of `table`'s class with `settings`, under `font`.
SizeRules FindSizeRules(const InterfaceTable& table, const SizeSettings& settings,
                        const Font& font);

// Whether two sets of settings are the same members with the same values.
bool SameSettings(const SizeSettings& a, const SizeSettings& b);

} // namespace nk::qt
