#include "physics/sediment/bedload/TransportFactory.h"

#include <array>
#include <limits>

#include "core/MessageService.h"
#include "physics/sediment/bedload/TransportMPM.h"
#include "physics/sediment/bedload/TransportMPM2.h"
#include "physics/sediment/bedload/TransportMPMH.h"
#include "physics/sediment/bedload/TransportParker.h"
#include "physics/sediment/bedload/TransportPower.h"
#include "physics/sediment/bedload/TransportRickenmann.h"
#include "physics/sediment/bedload/TransportSmartJaeggi.h"
#include "physics/sediment/bedload/TransportSmartJaeggiMulti.h"
#include "physics/sediment/bedload/TransportVanRijn.h"
#include "physics/sediment/bedload/TransportWu.h"

namespace Flumaris {

namespace {

using Creator = std::unique_ptr<TransportCapacity> (*)(const SedParameters&, const ThetaCritical&);

template <class Law>
std::unique_ptr<TransportCapacity> make(const SedParameters& p, const ThetaCritical& t)
{
    return std::make_unique<Law>(p, t);
}

struct Entry {
    const char* word;
    BedloadFormula formula;
    double thetaCritical;  // NaN: Shields curve
    Creator create;
};

constexpr double kCurve = std::numeric_limits<double>::quiet_NaN();

// 1-D files write "powerlaw", 2-D files "power_law"; both are the power law.
const std::array<Entry, 11> kFormulas{{
    {"mpm", BedloadFormula::Mpm, kCurve, make<TransportMPM>},
    {"mpmh", BedloadFormula::MpmHunziker, kCurve, make<TransportMPMH>},
    {"mpm_multi", BedloadFormula::MpmMulti, kCurve, make<TransportMPM2>},
    {"parker", BedloadFormula::Parker, TransportParker::kThetaReference, make<TransportParker>},
    {"power_law", BedloadFormula::PowerLaw, kCurve, make<TransportPower>},
    {"powerlaw", BedloadFormula::PowerLaw, kCurve, make<TransportPower>},
    {"rickenmann", BedloadFormula::Rickenmann, kCurve, make<TransportRickenmann>},
    {"smartjaeggi", BedloadFormula::SmartJaeggi, kCurve, make<TransportSmartJaeggi>},
    {"smartjaeggi_multi", BedloadFormula::SmartJaeggiMulti, kCurve, make<TransportSmartJaeggiMulti>},
    {"vanrijn", BedloadFormula::VanRijn, kCurve, make<TransportVanRijn>},
    {"wu", BedloadFormula::Wu, TransportWu::kThetaCritical, make<TransportWu>},
}};

const Entry& entryOf(BedloadFormula f)
{
    for (const Entry& e : kFormulas)
        if (e.formula == f) return e;
    return kFormulas.front();  // every enumerator has a row
}

}  // namespace

std::vector<std::string> bedloadFormulaWords()
{
    std::vector<std::string> words;
    for (const Entry& e : kFormulas) words.emplace_back(e.word);
    return words;
}

BedloadFormula bedloadFormulaFromWord(const std::string& word)
{
    for (const Entry& e : kFormulas)
        if (word == e.word) return e.formula;
    std::string known;
    for (const Entry& e : kFormulas) known += (known.empty() ? "" : ", ") + std::string(e.word);
    fatal("Unknown transport formula: " + word + "\nValid formulas are " + known + ".");
    return BedloadFormula::Mpm;
}

double defaultThetaCritical(BedloadFormula formula) { return entryOf(formula).thetaCritical; }

std::unique_ptr<TransportCapacity> createTransportCapacity(BedloadFormula formula, const SedParameters& params,
                                                           const ThetaCritical& thetaCritical)
{
    return entryOf(formula).create(params, thetaCritical);
}

}  // namespace Flumaris
