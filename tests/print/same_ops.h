#pragma once

#include <vector>

#include "platform/canvas.h"

// Two pages drew exactly the same: every operation, in the same order.
inline bool sameOps(const std::vector<platform::DrawOp>& a,
                    const std::vector<platform::DrawOp>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t k = 0; k < a.size(); ++k) {
        const platform::DrawOp& x = a[k];
        const platform::DrawOp& y = b[k];
        if (x.kind != y.kind || x.p1 != y.p1 || x.p2 != y.p2 || x.color != y.color ||
            x.widthTw != y.widthTw || x.text != y.text || x.fontSize != y.fontSize ||
            x.bold != y.bold || x.underline != y.underline || x.rect != y.rect ||
            x.picture != y.picture) {
            return false;
        }
    }
    return true;
}
