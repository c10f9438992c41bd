#include "physics/sediment/bedload/BedloadSettings.h"

#include "core/MessageService.h"
#include "input/blocks/IRsedimentChecks.h"
#include "physics/sediment/bedload/TransportFactory.h"

namespace Flumaris {

namespace {

// The schema value that stands for "the formula's own hiding exponent".
constexpr double kFormulaHidingExponent = -1.0e9;

bool onOff(const FLUMparse::InputTag& t) { return t.asString() == "on"; }

}  // namespace

BedloadSettings BedloadSettings::fromBlock(const FLUMparse::InputBlock& b)
{
    BedloadSettings s;
    s.formula = bedloadFormulaFromWord(b.getTag("bedload_transport").asString());
    s.bedloadFactor = b.getTag("bedload_factor").asDouble();
    const FLUMparse::InputTag& theta = b.getTag("theta_critical");
    if (const auto* index = b.findTag("theta_critical_index")) {
        // 2-D: lists per material index
        if (theta.isSet()) s.thetaCritical = theta.asDoubleList();
        if (index->isSet()) s.thetaCriticalIndex = index->asIntList();
        if (!s.thetaCriticalIndex.empty() && s.thetaCritical.empty())
            fatal(FLUMparse::SedimentText::thetaValueMissing());
        if (s.thetaCriticalIndex.empty() && s.thetaCritical.size() > 1)
            fatal(FLUMparse::SedimentText::thetaIndexMissing());
        if (!s.thetaCriticalIndex.empty() && s.thetaCritical.size() != s.thetaCriticalIndex.size())
            fatal(FLUMparse::SedimentText::thetaCountMismatch());
    } else if (theta.asDouble() >= 0.0) {
        // 1-D: one value, negative means none
        s.thetaCritical = {theta.asDouble()};
    }
    s.calibration = b.getTag("critical_shear_stress_calibration").asDouble();
    const double e = b.getTag("hiding_exponent").asDouble();
    if (e > kFormulaHidingExponent) s.hidingExponent = e;
    s.powerLawA = b.getTag("power_law_a").asDouble();
    s.powerLawB = b.getTag("power_law_b").asDouble();
    s.alpha = b.getTag("alpha").asDouble();
    if (b.isSet("d90")) s.d90 = b.getTag("d90").asDouble() / 1000.0;
    if (b.isSet("d30")) s.d30 = b.getTag("d30").asDouble() / 1000.0;
    if (const auto* t = b.findTag("local_slope_flowdirection")) s.localSlopeFlowDirection = onOff(*t);
    if (const auto* t = b.findTag("local_slope_lateral")) s.localSlopeLateral = onOff(*t);
    if (const auto* t = b.findTag("local_slope")) s.localSlopeFlowDirection = onOff(*t);
    if (const auto* t = b.findTag("use_energy_slope")) s.useEnergySlope = onOff(*t);
    if (const auto* t = b.findTag("angle_of_repose")) s.angleOfRepose = t->asDouble();
    return s;
}

}  // namespace Flumaris
