#pragma once
// Start-up checks of mesh quality. Disjoint nodes and concave quadrilaterals
// stop the run; small, thin and ambiguous elements only warn. Offending ids
// go to the report file <mesh stem>_Grid.err next to the mesh file.
#include <string>
#include <vector>

namespace FlumPlane {

class Grid;

struct GridCheckThresholds {
    double minAreaRatio = 0.05;          // geo_min_area_ratio: of the mean element area
    double minAspectRatio = 0.06;        // geo_min_aspect_ratio: r / R
    double maxAngleQuadrilateral = 45.0; // geo_max_angle_quadrilateral [degrees]
};

// Element indices flagged by the warning checks.
struct GridCheckResult {
    std::vector<int> smallElements;
    std::vector<int> thinElements;
    std::vector<int> ambiguousElements;
};

class GridQualityCheck {
public:
    GridQualityCheck(const Grid& grid, std::string errFile, GridCheckThresholds thresholds = {});

    // The five checks in their fixed order.
    GridCheckResult run();

    // The report file that belongs to a mesh file.
    static std::string errFileOf(const std::string& meshFile);
    // A quadrilateral is concave (or self-intersecting) when one of its corners
    // does not turn left: the cross product of the adjoining sides is not positive.
    static bool isConcave(const Grid& grid, int e);
    // Angle [degrees] between the normals of the triangles (0,1,2) and (0,2,3)
    // obtained by splitting a quadrilateral along the diagonal 0-2, in 3-D.
    static double splitAngle(const Grid& grid, int e);

private:
    void checkDisjointNodes();
    void checkArea(GridCheckResult& result);
    void checkAspectRatio(GridCheckResult& result);
    void checkConcave();
    void checkAmbiguous(GridCheckResult& result);
    void append(const std::string& text);

    const Grid& grid_;
    std::string errFile_;
    GridCheckThresholds thresholds_;
    bool errFileStarted_ = false;
};

}  // namespace FlumPlane
