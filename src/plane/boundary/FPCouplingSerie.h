#pragma once
// The driving series of a coupled boundary: a coupling appends (t, value)
// pairs during the run; a pair at a time already present replaces the value.
// Before the first pair the value is 0, before the first time the first value.
#include <cmath>

#include "physics/series/BoundarySerie.h"

namespace FlumPlane {

class CouplingSerie final : public Flumaris::BoundarySerie {
public:
    using BoundarySerie::getValue;
    double getValue(double t, double dt) const override {
        if (pairs_.empty()) return 0.0;
        if (t <= pairs_.front().first) return pairs_.front().second;
        if (t >= pairs_.back().first) return pairs_.back().second;
        return BoundarySerie::getValue(t, dt);
    }
    void set(double t, double v) {
        while (!pairs_.empty() && pairs_.back().first >= t - 1.0e-9 * std::max(1.0, std::fabs(t))) pairs_.pop_back();
        pairs_.emplace_back(t, v);
    }
};

}  // namespace FlumPlane
