#include "physics/sediment/bedload/TransportParker.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Flumaris {

namespace {

struct StrainRow {
    double phi;
    double omega0;
    double sigma0;
};

// Parker (1990), the strain functions omega0 and sigma0 of phi_sgo.
constexpr std::array<StrainRow, 36> kStrain{{
    {0.6684, 1.011, 0.8157}, {0.7639, 1.011, 0.8157}, {0.8601, 1.01, 0.8182},  {0.9096, 1.008, 0.8233},
    {0.9615, 1.004, 0.8333}, {1.0, 0.9997, 0.8439},   {1.055, 0.9903, 0.8621}, {1.108, 0.9789, 0.8825},
    {1.197, 0.9567, 0.9214}, {1.302, 0.9273, 0.9723}, {1.407, 0.8964, 1.025},  {1.529, 0.8604, 1.083},
    {1.641, 0.8287, 1.13},   {1.702, 0.8123, 1.153},  {1.832, 0.7796, 1.196},  {1.937, 0.7554, 1.225},
    {2.044, 0.7326, 1.25},   {2.261, 0.6928, 1.287},  {2.499, 0.6585, 1.313},  {2.732, 0.6345, 1.333},
    {2.993, 0.615, 1.352},   {3.477, 0.5877, 1.38},   {4.075, 0.564, 1.403},   {4.469, 0.5523, 1.414},
    {5.016, 0.5395, 1.426},  {6.158, 0.5209, 1.444},  {7.821, 0.5045, 1.458},  {10.06, 0.4917, 1.469},
    {14.38, 0.479, 1.48},    {19.97, 0.4712, 1.486},  {25.79, 0.4668, 1.49},   {38.57, 0.462, 1.493},
    {68.74, 0.4578, 1.497},  {91.95, 0.4564, 1.498},  {231.2, 0.4541, 1.499},  {2320.0, 0.4527, 1.5},
}};

}  // namespace

TransportParker::TransportParker(const SedParameters& p, const ThetaCritical& t)
    : TransportCapacity(p, t, 0.00218 * p.bedloadFactor() / (p.sMinus1() * p.g()))
{
}

void TransportParker::strainFunctions(double phiSgo, double& omega0, double& sigma0)
{
    if (phiSgo <= kStrain.front().phi) {
        omega0 = kStrain.front().omega0;
        sigma0 = kStrain.front().sigma0;
        return;
    }
    if (phiSgo >= kStrain.back().phi) {
        omega0 = kStrain.back().omega0;
        sigma0 = kStrain.back().sigma0;
        return;
    }
    const auto hi = std::upper_bound(kStrain.begin(), kStrain.end(), phiSgo,
                                     [](double x, const StrainRow& r) { return x < r.phi; });
    const auto lo = hi - 1;
    const double w = (phiSgo - lo->phi) / (hi->phi - lo->phi);
    omega0 = lo->omega0 + w * (hi->omega0 - lo->omega0);
    sigma0 = lo->sigma0 + w * (hi->sigma0 - lo->sigma0);
}

double TransportParker::omega(double phiSgo, double sigma)
{
    if (phiSgo < kStrain.front().phi)
        return std::max(0.0, 1.0 + sigma / kStrain.front().sigma0 * (kStrain.front().omega0 - 1.0));
    double omega0 = 0.0;
    double sigma0 = 0.0;
    strainFunctions(phiSgo, omega0, sigma0);
    return 1.0 + sigma / sigma0 * (omega0 - 1.0);
}

double TransportParker::G(double phi)
{
    if (phi > 1.59) return 5474.0 * std::pow(1.0 - 0.853 / phi, 4.5);
    if (phi >= 1.0) {
        const double x = phi - 1.0;
        return std::exp(14.2 * x - 9.28 * x * x);
    }
    return std::pow(phi, 14.2);
}

ClassCapacity TransportParker::capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                                        double thetaCr) const
{
    const double thetaR = std::max(params_->minThetaCritic(), modified(thetaCr, k, flow));
    const double thetaSg = theta * d(k) / loc.dg;
    ClassCapacity r{0.0, thetaR, thetaSg};
    // The threshold compares the surface-mean value that theta_r refers to, not
    // theta_k: coarse classes feel the same shear through a smaller theta_k.
    if (thetaSg <= thetaR || flow.c <= 0.0) return r;
    const double phiSgo = thetaSg / thetaR;
    const double phi = omega(phiSgo, loc.sigma) * phiSgo * std::pow(loc.dg / d(k), 0.0951);
    const double uStar = flow.u / flow.c;
    r.q = K_ * uStar * uStar * uStar * G(phi);
    return r;
}

}  // namespace Flumaris
