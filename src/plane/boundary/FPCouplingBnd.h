#pragma once
// The coupling variant of a boundary, inner structure or source: the same
// object, also a coupling interface. Getter 1 is the discharge along the flow
// (inflow for inflow kinds, outflow for outflow kinds), getter 2 the mean
// water level; the setters hand (t, value) to the object's coupled series
// when it has a use for that value.
#include "core/CouplingInterface.h"

namespace FlumPlane {

template <class Base>
class CouplingBnd final : public Base, public Flumaris::CouplingInterface {
public:
    using Base::Base;
    bool isReady(double t) const override { return this->couplingReady(t); }
    double getDischarge(double t) const override { return this->couplingDischarge(t); }
    double getWaterLevel(double t) const override { return this->couplingWaterLevel(t); }
    double getSedimentFlux(double) const override { return 0.0; }
    void setDischarge(double t, double q) override { this->receiveDischarge(t, q); }
    void setWaterLevel(double t, double z) override { this->receiveWaterLevel(t, z); }
    void setSedimentFlux(double, double) override {}
};

}  // namespace FlumPlane
