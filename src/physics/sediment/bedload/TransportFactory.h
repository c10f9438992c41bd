#pragma once
// The one place that knows every bed-load formula word.
#include <memory>
#include <string>
#include <vector>

#include "physics/sediment/bedload/BedloadFormula.h"
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

// The formula of a `bedload_transport` word; an unknown word stops the run
// with a message that names it and lists the valid words.
BedloadFormula bedloadFormulaFromWord(const std::string& word);
// The valid words in table order (both spellings of the power law).
std::vector<std::string> bedloadFormulaWords();
// The formula's own theta_cr when the user gives none; NaN: the Shields curve.
double defaultThetaCritical(BedloadFormula formula);
std::unique_ptr<TransportCapacity> createTransportCapacity(BedloadFormula formula, const SedParameters& params,
                                                           const ThetaCritical& thetaCritical);

}  // namespace Flumaris
