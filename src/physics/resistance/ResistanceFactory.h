#pragma once
// The one place that knows every friction type word.
#include <memory>
#include <string>
#include <vector>

#include "physics/resistance/ResistanceCalc.h"

namespace Flumaris {

// Settings of a FRICTION block that the laws need.
struct ResistanceSettings {
    std::string type;               // type word, any case
    bool grainFriction = false;     // grain_size_friction
    double stricklerFactor = 21.1;  // strickler_factor
    double roughnessFactor = 3.0;   // roughness_factor
};

// The law for the type word (compared in upper case); an unknown word is an
// error that names it and lists the known words.
std::unique_ptr<ResistanceCalc> createResistanceCalc(const ResistanceSettings& s);

// The known type words, in matching order.
std::vector<std::string> resistanceTypeWords();

}  // namespace Flumaris
