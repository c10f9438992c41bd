#pragma once
// The water state of the chain as arrays: one entry per element (old and new
// copies, swapped after a step) and one per edge. Sized once; a step allocates
// nothing.
#include <cstddef>
#include <vector>

#include "section/SectionState.h"

namespace FlumChain {

struct ChainState {
    std::vector<double> A, Q;        // [m2], [m3/s] at the current time
    std::vector<double> Anew, Qnew;  // the step in progress
    std::vector<double> Qnum;        // edge-averaged discharge of the last step [m3/s]
    std::vector<double> frictionForce, bedForce;  // of the last step, for outputs [m4/s2]
    std::vector<double> lateral;     // summed lateral inflow of the step [m3/s]
    std::vector<Flumaris::SectionState> sec, secNew;  // section values at A and at Anew
    std::vector<double> FA, FQ;      // per edge, positive downstream

    void resize(std::size_t elements) {
        for (auto* v : {&A, &Q, &Anew, &Qnew, &Qnum, &frictionForce, &bedForce, &lateral}) v->assign(elements, 0.0);
        sec.assign(elements, Flumaris::SectionState{});
        secNew.assign(elements, Flumaris::SectionState{});
        FA.assign(elements + 1, 0.0);
        FQ.assign(elements + 1, 0.0);
    }
    std::size_t size() const { return A.size(); }
};

}  // namespace FlumChain
