#pragma once
// Thickness [m] of the bed-load control volume (active layer) at one location,
// selected by `control_volume_type`.
#include "physics/sediment/GrainMixture.h"

namespace Flumaris {

class BedloadContrVol {
public:
    virtual ~BedloadContrVol() = default;
    virtual double thickness(const GrainMixture& surface) const = 0;
    // Called when a location's surface mixture has changed.
    virtual void update(const GrainMixture&) {}
    virtual bool isConstant() const { return false; }
};

}  // namespace Flumaris
