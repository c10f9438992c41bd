#pragma once
// Legacy VTK (ASCII) unstructured-grid files, one per output time: triangles
// (cell type 5) and quadrilaterals (9), node or element values. Scalars become
// SCALARS, two- and three-component values VECTORS (a missing third component
// is 0), other sub-value counts one SCALARS per sub-value.
#include <string>
#include <vector>

#include "tools/FTMesh2D.h"

namespace FLUMtools {

class FTVtkWriter {
public:
    FTVtkWriter(const FTMesh2D& mesh, FTLocation where) : mesh_(mesh), where_(where) {}

    void write(const std::string& fileName, double time, const std::vector<FTField>& fields) const;

    // prefix + "_vtk" + time + ".vtk"
    static std::string fileName(const std::string& prefix, double time);

    static constexpr int triangleType = 5;
    static constexpr int quadType = 9;

private:
    const FTMesh2D& mesh_;
    FTLocation where_;
};

}  // namespace FLUMtools
