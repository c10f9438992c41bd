#pragma once
namespace Flumaris {

// The bed-load transport formulas; TransportFactory maps the command-file words.
enum class BedloadFormula {
    Mpm,
    MpmHunziker,
    MpmMulti,
    Parker,
    PowerLaw,
    Rickenmann,
    SmartJaeggi,
    SmartJaeggiMulti,
    VanRijn,
    Wu,
};

}  // namespace Flumaris
