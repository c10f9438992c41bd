#pragma once
// Series whose value a controller sets; it has no pairs, so every pair
// operation is an internal error.
#include <cstddef>
#include <vector>

#include "physics/series/BoundarySerie.h"

namespace Flumaris {

class BoundaryControlledSerie final : public BoundarySerie {
public:
    // numberOfValues slots set by the controller; the getter reads slot index.
    explicit BoundaryControlledSerie(std::size_t numberOfValues = 1, std::size_t index = 0);

    using BoundarySerie::getValue;
    double getValue(double t, double dt) const override;

    void setNewValue(std::size_t index, double value);
    double getNewValue(std::size_t index) const;
    std::size_t getIndex() const { return index_; }
    void setIndex(std::size_t index);

    double calculateSlope(double t) const override;
    double getValueAtTime(double t) override;
    void checkBoundarySerie(double endTime) const override;
    void addDoublePair(const Pair& pair) override;
    void addValues(double x, double y) override;
    void addValuesNoCheck(double x, double y) override;
    std::size_t getSize() const override;
    std::string printSerie(const std::string& fileName) const override;
    double getMaxTime() const override;
    std::vector<Pair> getIntervalValues(double tStart, double tEnd) const override;

private:
    std::vector<double> newValue_;
    std::size_t index_;
};

}  // namespace Flumaris
