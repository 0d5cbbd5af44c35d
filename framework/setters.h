// The steps of a plain property setter: store the new value, tell the container which
// property changed, then repaint. A setter with any other step writes its own body.
#pragma once

#include "framework/host.h"

#include <string_view>
#include <utility>

namespace nk {

template <typename T, typename V, typename Repaint>
void StoreNotifyRedraw(Host& host, std::string_view name, T& field, V&& value, Repaint&& redraw) {
    field = std::forward<V>(value);
    host.PropertyChanged(name);
    redraw();
}

} // namespace nk
