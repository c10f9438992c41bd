#include "physics/sediment/ThetaCritical.h"

#include <cmath>

#include "core/MessageService.h"

namespace Flumaris {

double ThetaCritical::shields(double dStar)
{
    if (dStar <= 4.0) return 0.24 / dStar;
    if (dStar <= 10.0) return 0.14 * std::pow(dStar, -0.64);
    if (dStar <= 20.0) return 0.04 * std::pow(dStar, -0.1);
    if (dStar <= 150.0) return 0.013 * std::pow(dStar, 0.29);
    return 0.055;
}

ThetaCritical::ThetaCritical(const SedParameters& params, double formulaDefault)
    : params_(&params), calibration_(params.bedload().calibration)
{
    const int n = params.getNumGrainClasses();
    const BedloadSettings& b = params.bedload();
    global_.resize(static_cast<size_t>(n));
    const bool userGlobal = b.thetaCritical.size() == 1 && b.thetaCriticalIndex.empty();
    if (userGlobal || !std::isnan(formulaDefault)) {
        const double v = userGlobal ? b.thetaCritical[0] : formulaDefault;
        for (double& t : global_) t = v;
        constant_ = true;
    } else {
        for (int k = 0; k < n; ++k) global_[static_cast<size_t>(k)] = fromCurve(params.diameter(k));
    }
    for (size_t i = 0; i < b.thetaCriticalIndex.size() && i < b.thetaCritical.size(); ++i)
        perMaterial_[b.thetaCriticalIndex[i]] = std::vector<double>(static_cast<size_t>(n), b.thetaCritical[i]);
    if (!b.thetaCritical.empty()) {
        constant_ = true;
        report(5, "ThetaCritic: create constant value.");
    }
}

std::span<const double> ThetaCritical::classValues(int material) const
{
    const auto it = perMaterial_.find(material);
    return it == perMaterial_.end() ? std::span<const double>(global_) : std::span<const double>(it->second);
}

}  // namespace Flumaris
