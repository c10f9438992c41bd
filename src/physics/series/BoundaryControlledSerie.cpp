#include "physics/series/BoundaryControlledSerie.h"

#include "core/FlumAssert.h"
#include "core/MessageService.h"

namespace Flumaris {

namespace {

void notAvailable(const char* operation) {
    fatal(std::string("Error in BoundarySeries (internal error).\n") + operation +
                  " is not available"
                  "\nThe call to the respective function is senseless within the controlled series class.\n"
                  "Please fix the error or submit a bug report.");
}

}  // namespace

BoundaryControlledSerie::BoundaryControlledSerie(std::size_t numberOfValues, std::size_t index)
    : newValue_(numberOfValues, 0.0), index_(index) {
    FLUM_ASSERT(index_ < newValue_.size());
}

double BoundaryControlledSerie::getValue(double /*t*/, double /*dt*/) const { return newValue_[index_]; }

void BoundaryControlledSerie::setNewValue(std::size_t index, double value) {
    FLUM_ASSERT(index < newValue_.size());
    newValue_[index] = value;
}

double BoundaryControlledSerie::getNewValue(std::size_t index) const {
    FLUM_ASSERT(index < newValue_.size());
    return newValue_[index];
}

void BoundaryControlledSerie::setIndex(std::size_t index) {
    FLUM_ASSERT(index < newValue_.size());
    index_ = index;
}

double BoundaryControlledSerie::calculateSlope(double) const {
    notAvailable("calculateSlope");
    return 0.0;
}

double BoundaryControlledSerie::getValueAtTime(double) {
    notAvailable("getValueAtTime");
    return 0.0;
}

void BoundaryControlledSerie::checkBoundarySerie(double) const { notAvailable("checkBoundarySerie"); }

void BoundaryControlledSerie::addDoublePair(const Pair&) { notAvailable("addDoublePair"); }

void BoundaryControlledSerie::addValues(double, double) { notAvailable("addValues"); }

void BoundaryControlledSerie::addValuesNoCheck(double, double) { notAvailable("addValuesNoCheck"); }

std::size_t BoundaryControlledSerie::getSize() const {
    notAvailable("getSize");
    return 0;
}

std::string BoundaryControlledSerie::printSerie(const std::string&) const {
    notAvailable("printSerie");
    return {};
}

double BoundaryControlledSerie::getMaxTime() const {
    notAvailable("getMaxTime");
    return 0.0;
}

std::vector<BoundarySerie::Pair> BoundaryControlledSerie::getIntervalValues(double, double) const {
    notAvailable("getIntervalValues");
    return {};
}

}  // namespace Flumaris
