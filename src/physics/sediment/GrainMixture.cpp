#include "physics/sediment/GrainMixture.h"

#include <cmath>

#include "core/FlumAssert.h"
#include "physics/sediment/SedParameters.h"

namespace Flumaris {

GrainMixture::GrainMixture(const SedParameters& params, std::vector<double> fractions)
    : params_(&params), fractions_(std::move(fractions))
{
    FLUM_ASSERT(static_cast<int>(fractions_.size()) == params.getNumGrainClasses());
}

double GrainMixture::meanDiameter() const
{
    const int n = params_->getNumGrainClasses();
    if (n == 1) return params_->diameter(0);
    double dm = 0.0;
    for (int k = 0; k < n; ++k) dm += fraction(k) * params_->diameter(k);
    return dm;
}

double GrainMixture::geometricMeanDiameter() const
{
    double s = 0.0;
    for (int k = 0; k < params_->getNumGrainClasses(); ++k)
        if (fraction(k) > 0.0) s += fraction(k) * std::log2(params_->diameter(k));
    return std::exp2(s);
}

double GrainMixture::geometricStdDeviation() const
{
    const double dg = geometricMeanDiameter();
    double s = 0.0;
    for (int k = 0; k < params_->getNumGrainClasses(); ++k) {
        if (fraction(k) <= 0.0) continue;
        const double phi = std::log2(params_->diameter(k) / dg);
        s += fraction(k) * phi * phi;
    }
    return std::sqrt(s);
}

double GrainMixture::diameterAt(double x) const
{
    const int n = params_->getNumGrainClasses();
    if (n == 1) return params_->diameter(0);
    double below = 0.0;  // cumulative fraction up to and including class k-1
    for (int k = 0; k < n; ++k) {
        const double upto = below + fraction(k);
        if (upto >= x && fraction(k) > 0.0) {
            if (k == 0 || below <= 0.0) return params_->diameter(k);
            const double w = (x - below) / (upto - below);
            return params_->diameter(k - 1) + w * (params_->diameter(k) - params_->diameter(k - 1));
        }
        below = upto;
    }
    return params_->diameter(n - 1);
}

}  // namespace Flumaris
