#pragma once
// Wu & Wang (2006), natural grains of Corey shape factor S (0.3 to 0.9 typical):
//   w = (M nu/(N d)) (sqrt(0.25 + (4 N D*^3/(3 M^2))^(1/n)) - 0.5)^n
//   M = 53.5 exp(-0.65 S), N = 5.6 exp(-2.5 S), n = 0.7 + 0.9 S,
//   D* = d (delta g/nu^2)^(1/3).
#include "physics/suspended/settling/SettlingVelocity.h"

namespace Flumaris {

class SVWuWang final : public SettlingVelocity {
public:
    SVWuWang(double g, double nu, double shapeFactor);
    double velocity(double d, double delta) const override;
    double M() const { return M_; }
    double N() const { return N_; }
    double n() const { return n_; }

private:
    double M_;
    double N_;
    double n_;
};

}  // namespace Flumaris
