#pragma once

#include "platform/controls/window_backend.h"

#include <algorithm>
#include <vector>

// For tests: records the areas windowed controls ask to repaint, installed while it lives.
class TInvalidationRecorder : public TWindowBackend {
public:
    TInvalidationRecorder() { SetWindowBackend(this); }
    ~TInvalidationRecorder() override { SetWindowBackend(nullptr); }
    TInvalidationRecorder(const TInvalidationRecorder&) = delete;
    TInvalidationRecorder& operator=(const TInvalidationRecorder&) = delete;

    void Invalidate(TWinControl&, const TRect& r) override { Rects.push_back(r); }
    bool Covers(TPoint p) const {
        return std::any_of(Rects.begin(), Rects.end(), [p](const TRect& r) { return r.Contains(p); });
    }

    std::vector<TRect> Rects;
};
