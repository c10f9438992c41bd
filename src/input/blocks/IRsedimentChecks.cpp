#include "input/blocks/IRsedimentChecks.h"

#include <sstream>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

namespace SedimentText {

std::string grainSizesPositive() { return "Grain sizes must be > 0"; }
std::string grainSizesAscending() { return "Grain sizes must be in strictly ascending order"; }

std::string densityOutOfRange(double density)
{
    std::ostringstream s;
    s << "Your defined density = " << density
      << " seems to be out of range of common values. Are you really sure the input is correct?";
    return s.str();
}

std::string porosityOutOfRange(double porosityPercent)
{
    std::ostringstream s;
    s << "Your defined porosity = " << porosityPercent
      << " seems to be out of range of common values. Are you really sure the input is correct?";
    return s.str();
}

std::string thetaIndexMissing()
{
    return "'theta_critical' has been specified in PARAMETER block for BEDLOAD but 'theta_critical_index' is "
           "missing. Please specify 'theta_critical_index'!";
}

std::string thetaValueMissing()
{
    return "'theta_critical_index' has been specified in PARAMETER block for BEDLOAD but 'theta_critical' is "
           "missing. Please specify 'theta_critical'!";
}

std::string thetaCountMismatch()
{
    return "Number of entries in 'theta_critical_index' and 'theta_critical' do not match in PARAMETER block for "
           "BEDLOAD.";
}

std::string maxLayerBelowControlVolume()
{
    return "The 'max_layer_thickness' is smaller than the thickness of the bed-load control volume "
           "'control_volume_thickness'. This is not permitted. Please correct the input.";
}

}  // namespace SedimentText

void IRsedimentCheck::grainSizes(const IRsedimentCheck& c)
{
    InputTag& t = c.tag("diameters");
    if (!t.isSet()) return;
    const std::vector<double> d = t.asDoubleList();
    for (double v : d)
        if (!(v > 0.0)) {
            t.addError(SedimentText::grainSizesPositive());
            return;
        }
    for (size_t k = 1; k < d.size(); ++k)
        if (!(d[k] > d[k - 1])) {
            t.addError(SedimentText::grainSizesAscending());
            return;
        }
}

void IRsedimentCheck::densityAndPorosity(const IRsedimentCheck& c)
{
    InputTag& rho = c.tag("density");
    const double density = rho.asDouble();
    if (density < SedimentText::kDensityMin || density > SedimentText::kDensityMax)
        rho.addWarning(SedimentText::densityOutOfRange(density));
    InputTag& p = c.tag("porosity");
    if (!p.isSet()) return;
    const double porosity = p.asDouble();
    if (porosity < SedimentText::kPorosityMin || porosity > SedimentText::kPorosityMax)
        p.addWarning(SedimentText::porosityOutOfRange(porosity));
}

void IRsedimentCheck::thetaCriticalLists(const IRsedimentCheck& c)
{
    InputTag& value = c.tag("theta_critical");
    InputTag& index = c.tag("theta_critical_index");
    if (index.isSet() && !value.isSet()) {
        index.addError(SedimentText::thetaValueMissing());
    } else if (value.isSet() && !index.isSet()) {
        // One value without index is the global constant.
        if (value.asDoubleList().size() > 1) value.addError(SedimentText::thetaIndexMissing());
    } else if (value.isSet() && index.isSet() && value.asDoubleList().size() != index.asIntList().size()) {
        value.addError(SedimentText::thetaCountMismatch());
    }
}

void IRsedimentCheck::layerThickness(const IRsedimentCheck& c)
{
    InputTag& maxLayer = c.tag("max_layer_thickness");
    const InputTag& cv = c.tag("control_volume_thickness");
    if (c.tag("create_new_layers").asString() != "on" || c.tag("control_volume_type").asString() != "constant") return;
    if (!maxLayer.isSet() || !cv.isSet()) return;
    if (maxLayer.asDouble() < cv.asDouble()) maxLayer.addError(SedimentText::maxLayerBelowControlVolume());
}

}  // namespace FLUMparse
