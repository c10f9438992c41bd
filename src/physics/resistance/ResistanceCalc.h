#pragma once
// Flow resistance: turns a local friction value and a flow depth into the
// dimensionless velocity coefficient c = U/u*, so that the bed shear stress is
// rho U^2 / c^2. A law object holds no per-element state: the friction value of
// each element, slice or wall is passed in on every call.
//
// Speed: the solvers refresh c for every element on every step. Each law keeps
// its formula in a non-virtual inline member `coefficient()` (the classes are
// final), and computeAll() runs that formula over whole arrays, so a sweep costs
// one virtual call in total, allocates nothing and lets the compiler vectorise.
// getVelocityCoefficient() is the per-call form for set-up and 1-D code.
#include <cstddef>
#include <span>

namespace Flumaris {

class ResistanceCalc {
public:
    ResistanceCalc(double auxValue, bool grainFriction, double lawParameter)
        : auxValue_(auxValue), grainFriction_(grainFriction), lawParameter_(lawParameter)
    {
    }
    virtual ~ResistanceCalc() = default;

    // c for friction value `value` and depth (or hydraulic radius) h [m], times `scale`.
    virtual double getVelocityCoefficient(double value, double h, double scale, double sqrtG) const = 0;
    // The friction value of a bed of grain diameter d [m] (normally d90).
    virtual double getFrictionFromGrain(double d) const = 0;
    virtual bool isFrictionless(double value) const { return value <= 0.0; }
    // Adds one cross-section slice to the conveyance sums from which
    // beta = A * sum(K_i^2 / A_i) / K^2 follows. Laws without it stop the run.
    virtual void addBetaContribution(double value, double h, double width, double& sumK2A, double& sumK) const;

    // out[i] = c(values[i], depths[i]) for every i with depths[i] > wetDepth;
    // the other entries are left as they are (dry elements keep their last c).
    // Sub-ranges may be swept from different threads.
    virtual void computeAll(std::span<const double> values, std::span<const double> depths, double scale,
                            double sqrtG, double wetDepth, std::span<double> out) const = 0;

    bool grainFriction() const { return grainFriction_; }
    double lawParameter() const { return lawParameter_; }
    double auxValue() const { return auxValue_; }

protected:
    // The shared sweep; Law::coefficient is inlined because Law is final.
    template <class Law>
    static void sweep(const Law& law, std::span<const double> values, std::span<const double> depths, double scale,
                      double sqrtG, double wetDepth, std::span<double> out)
    {
        const std::size_t n = out.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (depths[i] > wetDepth) out[i] = law.coefficient(values[i], depths[i], scale, sqrtG);
        }
    }

    double auxValue_;        // 1000 for Strickler, 0 otherwise
    bool grainFriction_;     // friction from the grain size of the bed material
    double lawParameter_;    // factor of the grain-size conversion
};

}  // namespace Flumaris
