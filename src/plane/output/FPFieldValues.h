#pragma once
// Values of the 2-D subdomain at elements or nodes for the outputs. Each value
// lives where the solver keeps it (its native location); element values are
// averaged to nodes with area weights, node values to element centres as the
// mean of the corners.
#include <string>
#include <vector>

#include "tools/FTMesh2D.h"

namespace FlumPlane {

class PlaneView;
class Grid;

// The mesh as the result-file writers see it (node and element ids of the mesh file).
FLUMtools::FTMesh2D toolsMesh(const Grid& grid);

class FPFieldValues {
public:
    // thresholdWse: wse written for dry elements; below -999999 the bed elevation.
    FPFieldValues(const PlaneView& plane, double thresholdWse);

    struct Info {
        FLUMtools::FTLocation native = FLUMtools::FTLocation::Element;
        int components = 1;
    };
    // Stops the run for a name that is not a value ("Value type '...' is invalid!")
    // and for values that need a model this subdomain does not run.
    static Info info(const std::string& name);
    static bool isVector(const std::string& name) { return info(name).components > 1; }
    // Every value name of the table, computed or not (the schema lists the same).
    static std::vector<std::string> names();

    // Values of name at its native location, components interleaved.
    void computeNative(const std::string& name, std::vector<double>& out) const;
    // Values at where (converted from the native location when needed).
    void compute(const std::string& name, FLUMtools::FTLocation where, std::vector<double>& out) const;
    // Converts native values of a value to where.
    void convert(const std::vector<double>& native, const Info& info, FLUMtools::FTLocation where,
                 std::vector<double>& out) const;

    // One element's or node's value (info(name).components entries), for
    // histories: no work on the rest of the mesh.
    void elementValue(const std::string& name, int e, double* out) const;
    void nodeValue(const std::string& name, int n, double* out) const;

    void elementsToNodes(const std::vector<double>& elem, int components, std::vector<double>& out) const;
    void nodesToElements(const std::vector<double>& node, int components, std::vector<double>& out) const;

private:
    const PlaneView& plane_;
    double thresholdWse_;
    bool useThreshold_;
    std::vector<double> initialNodeZ_;
    std::vector<double> nodeWeight_;  // 1 / sum of the areas of the node's elements
    mutable std::vector<double> scratch_;
};

}  // namespace FlumPlane
