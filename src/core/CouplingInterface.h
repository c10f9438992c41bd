#pragma once
// The side of a boundary, source or structure that a coupling can drive.
#include <string>

namespace Flumaris {

class CouplingInterface {
public:
    virtual ~CouplingInterface() = default;
    const std::string& interfaceName() const { return interfaceName_; }
    void setInterfaceName(const std::string& n) { interfaceName_ = n; }

    // Whether the values for the coming step can be supplied.
    virtual bool isReady(double /*t*/) const { return true; }

    virtual double getDischarge(double t) const = 0;
    virtual double getWaterLevel(double t) const = 0;
    virtual double getSedimentFlux(double t) const = 0;
    virtual void setDischarge(double t, double q) = 0;
    virtual void setWaterLevel(double t, double z) = 0;
    virtual void setSedimentFlux(double t, double qs) = 0;

private:
    std::string interfaceName_;
};

}  // namespace Flumaris
