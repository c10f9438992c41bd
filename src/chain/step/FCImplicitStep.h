#pragma once
// The implicit Newton scheme: the mass and momentum balances of every element
// in integral form, theta-weighted between the old and the new level, solved
// for (A_1, Q_1, ..., A_N, Q_N) by Newton's method on the 2N band matrix with
// three sub- and three super-diagonals (LAPACK dgbtrf/dgbtrs). The Jacobian
// is formed by differences of the residual with the unknowns of every third
// element moved at once (the band lets an element reach only its
// neighbours), so it belongs to exactly the discrete equations of the fluxes
// and sources, whatever their branch.
#include <iosfwd>
#include <vector>

#include "section/SectionState.h"

namespace FlumChain {

class Hydraulics;

class ImplicitStep {
public:
    explicit ImplicitStep(Hydraulics& h);
    // Newton on [t, t + dt], shortened by time_step_reduction up to try_limit
    // times while it fails (log: the implicit log, may be null). Returns the
    // step taken; without a solution the last iterate stands, with a warning.
    double run(double t, double dt, std::ostream* log);
    // Elements (and their last corrections) still above the truncation intervals.
    struct Unconverged {
        int element;
        double dA, dQ;
    };
    const std::vector<Unconverged>& unconverged() const { return unconverged_; }
    int lastIterations() const { return iterations_; }

private:
    // One Newton loop from the old state; true when every correction fell below the truncation intervals.
    bool attempt(double dt);
    // R(x) into r; A, Q the unknowns, sec their section values.
    void residual(const std::vector<double>& A, const std::vector<double>& Q,
                  const std::vector<Flumaris::SectionState>& sec, double dt, std::vector<double>& r);
    // Fluxes and sources at one state: mass and momentum terms per element.
    void balanceTerms(const std::vector<double>& A, const std::vector<double>& Q,
                      const std::vector<Flumaris::SectionState>& sec, std::vector<double>& mass,
                      std::vector<double>& momentum);

    Hydraulics& h_;
    std::size_t n_;
    std::vector<double> A_, Q_, Aold_, Qold_, oldMass_, oldMom_, mass_, mom_, r0_, r1_, band_, rhs_, saved_;
    std::vector<double> FA_, FQ_;
    std::vector<Flumaris::SectionState> sec_, secOld_;
    std::vector<int> pivots_;
    std::vector<Unconverged> unconverged_;
    int iterations_ = 0;
};

}  // namespace FlumChain
