#pragma once
// Two-column series of (x, y) pairs, x normally the time in seconds, as the
// boundaries, sources and couplings use it: interpolated value, slope, exact
// look-up, pairs appended during the run. After the last pair the last value holds.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace Flumaris {

class BoundarySerie {
public:
    using Pair = std::pair<double, double>;

    BoundarySerie() = default;
    // Reads a series file of exactly two columns; failures are fatal.
    explicit BoundarySerie(const std::string& fileName);
    explicit BoundarySerie(std::vector<Pair> pairs);
    virtual ~BoundarySerie() = default;

    // Value at time t by linear interpolation; dt is the step length, which only
    // the integrating series uses. A t before the first pair is fatal.
    virtual double getValue(double t, double dt) const;
    double getValue(double t) const { return getValue(t, 0.0); }

    // Slope of the pair interval around t (the first or last one outside the range).
    virtual double calculateSlope(double t) const;
    // Exact look-up (|x - t| <= 1e-5) forward from the pair found last time;
    // it never searches backwards.
    virtual double getValueAtTime(double t);
    // Set-up check against the simulation end time.
    virtual void checkBoundarySerie(double endTime) const;
    virtual void addDoublePair(const Pair& pair);
    virtual void addValues(double x, double y);
    virtual void addValuesNoCheck(double x, double y);
    virtual std::size_t getSize() const;
    // Writes the pairs to fileName, with ".txt" appended unless present; returns the name written.
    virtual std::string printSerie(const std::string& fileName) const;
    virtual double getMaxTime() const;
    // The pairs covering [tStart, tEnd]: both ends interpolated, the stored pairs
    // strictly between them in order.
    virtual std::vector<Pair> getIntervalValues(double tStart, double tEnd) const;

    // (value + the y of the last count pairs) / (pairs used + 1).
    double getRunningMean(double value, std::size_t count) const;

    const std::vector<Pair>& getPairs() const { return pairs_; }

protected:
    std::vector<Pair> pairs_;
    std::size_t cursor_ = 0;  // pair found by the last exact look-up
    // The file the pairs came from and the line of each, for messages; empty otherwise.
    std::string source_;
    std::vector<std::size_t> lines_;
};

}  // namespace Flumaris
