#pragma once
// Checks of the sediment blocks that span several keys, and their message
// texts. The texts live here so that `-t` and the set-up of the sediment
// parameters report a mistake with the same words.
#include <string>
#include <vector>

#include "input/schema/InputTagComposite.h"

namespace FLUMparse {

namespace SedimentText {
std::string grainSizesPositive();
std::string grainSizesAscending();
std::string densityOutOfRange(double density);
std::string porosityOutOfRange(double porosityPercent);
std::string thetaIndexMissing();
std::string thetaValueMissing();
std::string thetaCountMismatch();
std::string maxLayerBelowControlVolume();
// Ranges outside which density [kg/m3] and porosity [%] ask for confirmation.
inline constexpr double kDensityMin = 2000.0;
inline constexpr double kDensityMax = 3000.0;
inline constexpr double kPorosityMin = 10.0;
inline constexpr double kPorosityMax = 60.0;
}  // namespace SedimentText

// A validation-time check over member tags of one block instance; the check
// adds its findings to the first member.
class IRsedimentCheck final : public InputTagComposite {
public:
    using Check = void (*)(const IRsedimentCheck&);
    IRsedimentCheck(std::string name, std::vector<std::string> members, Check check)
        : InputTagComposite(std::move(name), std::move(members)), check_(check)
    {
    }
    void validate() override { check_(*this); }
    // The member of this name in the block instance being validated.
    InputTag& tag(const std::string& name) const { return *member(name); }

    // The checks used by the sediment blocks.
    static void grainSizes(const IRsedimentCheck& c);         // members: diameters
    static void densityAndPorosity(const IRsedimentCheck& c);  // members: density, porosity
    static void thetaCriticalLists(const IRsedimentCheck& c);  // members: theta_critical, theta_critical_index
    static void layerThickness(const IRsedimentCheck& c);      // members: max_layer_thickness, control_volume_thickness, create_new_layers, control_volume_type

protected:
    std::unique_ptr<InputTag> clone() const override { return std::make_unique<IRsedimentCheck>(*this); }

private:
    Check check_;
};

}  // namespace FLUMparse
