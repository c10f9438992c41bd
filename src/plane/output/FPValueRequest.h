#pragma once
// A requested output value: a name, or a name enclosed in max[...], min[...]
// or integrate[...], which is then tracked over every time step.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace FlumPlane {

enum class TrackKind { Plain, Max, Min, Integrate };

struct ValueRequest {
    std::string name;               // the value without its tracking brackets
    TrackKind kind = TrackKind::Plain;
    bool tracked() const { return kind != TrackKind::Plain; }
    // Name in files and columns: "depth", "max_depth", ...
    std::string label() const;
};

// Splits "max[depth]" into kind and name; text without brackets is plain.
ValueRequest parseValueRequest(const std::string& text);
std::vector<ValueRequest> parseValueRequests(const std::vector<std::string>& texts);

// Maximum, minimum or time integral of an array, updated every step.
class FPTracker {
public:
    FPTracker(TrackKind kind, std::size_t size);
    // Starts from the initial values (maxima and minima; integrals start at 0).
    void reset(std::span<const double> values);
    void update(std::span<const double> values, double dt);
    const std::vector<double>& values() const { return values_; }
    TrackKind kind() const { return kind_; }

private:
    TrackKind kind_;
    std::vector<double> values_;
};

}  // namespace FlumPlane
