#pragma once
// The initial water of the chain: dry, continued from a restart file, or the
// steady backwater curve of a discharge below a downstream level.
#include <string>
#include <vector>

#include "chain/FCChainSettings.h"

namespace FlumChain {

class Grid;
class Hydraulics;

// Sets A and Q; returns the time of a continue file, negative otherwise.
double applyInitialConditions(const InitialSettings& s, Hydraulics& h);

// Water levels of the steady discharge q with zOut at the last section, by the
// standard step method on the energy equation (friction slope (q/K)^2 averaged
// between neighbours); a section without a subcritical level gets its critical
// level, with a warning.
std::vector<double> backwaterLevels(const Grid& grid, double q, double zOut);

// The level at which q is critical in the section of element i (Fr = 1).
double criticalLevel(const Grid& grid, std::size_t i, double q);

}  // namespace FlumChain
