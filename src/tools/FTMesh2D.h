#pragma once
// The mesh and field records that the result-file writers read: node
// coordinates, triangles and quadrilaterals, mesh ids, and named value arrays.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace FLUMtools {

// Where the values of a field live.
enum class FTLocation { Node, Element };

// A named value array: count entities times `components` sub-values,
// interleaved per entity (values[i * components + c]).
struct FTField {
    std::string name;
    int components = 1;
    std::span<const double> values;
    // Optional names of the sub-values; empty gives _x/_y/_z (up to three) or _1.._n.
    std::vector<std::string> componentNames;

    double value(std::size_t entity, int component = 0) const {
        return values[entity * static_cast<std::size_t>(components) + static_cast<std::size_t>(component)];
    }
    // Column name of one sub-value (the plain name for a scalar).
    std::string columnName(int component) const;
};

class FTMesh2D {
public:
    static constexpr std::int32_t noNode = -1;
    using Element = std::array<std::int32_t, 4>;  // zero-based node indices; [3] == noNode for a triangle

    FTMesh2D() = default;
    FTMesh2D(std::vector<double> x, std::vector<double> y, std::vector<double> z, std::vector<Element> elements);

    std::size_t numNodes() const { return x_.size(); }
    std::size_t numElements() const { return elements_.size(); }

    const std::vector<double>& x() const { return x_; }
    const std::vector<double>& y() const { return y_; }
    const std::vector<double>& z() const { return z_; }
    // The bed may move between outputs.
    void setZ(std::vector<double> z);

    const Element& element(std::size_t e) const { return elements_[e]; }
    bool isTriangle(std::size_t e) const { return elements_[e][3] == noNode; }
    int cornerCount(std::size_t e) const { return isTriangle(e) ? 3 : 4; }

    // Mesh ids (default 1..n); node ids must increase for the SMS format.
    const std::vector<std::int64_t>& nodeIds() const { return nodeIds_; }
    const std::vector<std::int64_t>& elementIds() const { return elementIds_; }
    void setNodeIds(std::vector<std::int64_t> ids);
    void setElementIds(std::vector<std::int64_t> ids);

    // Element centre (area centroid) and its bed elevation (mean of the corners).
    double centreX(std::size_t e) const { return cx_[e]; }
    double centreY(std::size_t e) const { return cy_[e]; }
    double centreZ(std::size_t e) const;
    double signedArea(std::size_t e) const;

    // Four node numbers per element, a triangle repeating its last node (the
    // quadrilateral-zone convention), zero- or one-based.
    std::vector<std::int32_t> quadNodeMap(bool oneBased) const;

    std::size_t count(FTLocation where) const { return where == FTLocation::Node ? numNodes() : numElements(); }

private:
    void computeCentres();
    std::vector<double> x_, y_, z_;
    std::vector<Element> elements_;
    std::vector<std::int64_t> nodeIds_, elementIds_;
    std::vector<double> cx_, cy_;
};

}  // namespace FLUMtools
