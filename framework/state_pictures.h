// The five state pictures of a skinned push button (normal, over, just left, pushed and
// disabled) and whether each holds a picture object; an empty picture counts as held.
#pragma once

#include "framework/picture.h"

namespace nk {

struct StatePictures {
    Picture normal, over, over2, pushed, disabled;
    bool hasNormal = false, hasOver = false, hasOver2 = false, hasPushed = false,
         hasDisabled = false;

    // Works each flag out afresh from its picture.
    void WorkOutPresence() {
        hasNormal = IsPresent(normal);
        hasOver = IsPresent(over);
        hasOver2 = IsPresent(over2);
        hasPushed = IsPresent(pushed);
        hasDisabled = IsPresent(disabled);
    }
};

} // namespace nk
