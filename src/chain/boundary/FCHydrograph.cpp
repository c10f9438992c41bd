#include "chain/boundary/FCHydrograph.h"

#include <cmath>
#include <fmt/format.h>

#include "core/FlumAssert.h"
#include "core/MessageService.h"
#include "physics/series/BoundarySerie.h"
#include "section/CrossSection.h"

namespace FlumChain {

Hydrograph::Hydrograph(const ChainView& view, const BoundarySettings& s)
    : Boundary(view, s.name, s.end), s_(s), serie_(s.serie) {}

void Hydrograph::update(double t, double) { qIn_ = serie_ ? serie_->getValue(t) : 0.0; }

double Hydrograph::normalLevel(double q) const {
    if (q == cachedQ_) return cachedLevel_;
    if (!(s_.slope > 0.0)) {
        const std::string text = fmt::format("The slope must not be negativ = {}", s_.slope * 1000.0);
        Flumaris::assertionFailed(text.c_str(), __FILE__, __LINE__, __DATE__, __TIME__);
    }
    const Flumaris::CrossSection& cs = section();
    const double rootS = std::sqrt(s_.slope);
    auto f = [&](double z) { return q - cs.evaluate(z)[Flumaris::ColConveyance] * rootS; };
    // False position with the Illinois modification: f falls with z.
    double z0 = cs.lowestLevel(), z1 = cs.highestLevel();
    double f0 = f(z0), f1 = f(z1), z = z1;
    int side = 0;
    for (int n = 0; n < s_.iterations && f0 > 0.0 && f1 < 0.0; ++n) {
        z = (z0 * f1 - z1 * f0) / (f1 - f0);
        const double fz = f(z);
        if (std::fabs(fz) < s_.precision) break;
        if (fz > 0.0) {
            z0 = z, f0 = fz;
            if (side == -1) f1 *= 0.5;
            side = -1;
        } else {
            z1 = z, f1 = fz;
            if (side == 1) f0 *= 0.5;
            side = 1;
        }
    }
    cachedQ_ = q;
    cachedLevel_ = z;
    return z;
}

EdgeFlux Hydrograph::flux(const CellValues& e) const {
    if (qIn_ <= 0.0) return {};
    const double g = gravity();
    const double fr = e.A > 1e-10 && e.B > 0.0 ? (e.Q / e.A) / std::sqrt(g * e.A / e.B) : 0.0;
    const double sign = -outward();
    if (std::fabs(fr) < 1.0 && e.A >= view_.hmin()) return {sign * qIn_, e.beta * qIn_ * qIn_ / e.Ar};
    const double z = std::max(normalLevel(qIn_), e.z);
    const Flumaris::SectionRow r = section().evaluate(z);
    const double Ar = r[Flumaris::ColReducedArea];
    return {sign * qIn_, Ar > 0.0 ? r[Flumaris::ColBeta] * qIn_ * qIn_ / Ar : 0.0};
}

}  // namespace FlumChain
