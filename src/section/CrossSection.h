#pragma once
// A surveyed cross section of the 1-D chain: nodes across the valley, the
// slices between them with their ranges (active between the dikes, main
// channel, bed zone, flowing part), friction values and soils, and the
// hydraulic functions of the water level, evaluated from the slices or
// interpolated in the section's look-up table.
//
// Which slices count: areas and surface width over the active slices; the
// flowing area, perimeter, mean depth, friction, conveyance and beta over the
// active slices that flow. With internal levees, up to the levee level (the
// higher main-channel bank) only the main channel holds water.
#include <iosfwd>
#include <string>
#include <vector>

#include "section/CrossSectionSlice.h"
#include "section/SectionState.h"
#include "section/Tables.h"

namespace Flumaris {

class ResistanceCalc;

enum class SectionMode { Iteration, Table };

// How the functions are evaluated (SECTION_COMPUTATION and the solver's limits).
struct SectionComputation {
    SectionMode mode = SectionMode::Table;
    double precision = 0.0;      // [m2] accepted area residual of calculateZ
    double minInterval = 0.0;    // [m] table spacing
    double maxInterval = 0.0;    // [m]
    bool internalLevees = false;
    double minWaterDepth = 0.0;  // [m]
    int maxIterations = 0;       // of calculateZ
};

class CrossSection {
public:
    using Point = CrossSectionSlice::Point;
    static constexpr double kLeveeStep = 0.0001;  // [m] second table row above the levee level

    // lCoord [m] along the river; referenceHeight is added to every node elevation.
    CrossSection(std::string name, double lCoord, double referenceHeight);

    // --- building ---
    void addNode(double y, double z);
    // Slices between consecutive nodes, all in every range, with no friction value.
    void formSlices();
    // Ranges by slice index counted from 1, both ends included: inside true, outside false.
    void setActiveRange(int first, int last);
    void setMainChannel(int first, int last);
    // The bed zone; defined = false when it stands in for a range the file left out.
    void setBottomRange(int first, int last, bool defined = true);
    void setFlowingRange(int first, int last);
    void setFriction(int first, int last, double k);
    void setSoil(int first, int last, int soil);
    void setComputation(const SectionComputation& c) { computation_ = c; }
    // law: the conveyance and beta law (not owned); defaultFriction when no slice flows.
    void setFrictionLaw(const ResistanceCalc* law, double defaultFriction);
    // Grain-size friction: the friction value of each soil index (empty: off).
    void setSoilFriction(std::vector<double> bySoil) { soilFriction_ = std::move(bySoil); }
    void setCalibrationFactor(double f) { calibration_ = f; }
    void setBedFormFactor(double f) { bedFormFactor_ = f; }
    void setThetaCritic(double t) { thetaCritic_ = t; }
    void setFixedPoints(std::vector<double> levels) { fixedPoints_ = std::move(levels); }
    void setFixedLowerLimit(double z) { fixedMinLevel_ = z; hasFixedMinLevel_ = true; }
    // Dikes, levels and table; again after the bed has moved.
    void prepare();

    // --- the functions of the water level, directly from the slices ---
    SectionRow evaluate(double z) const;
    double area(double z) const;  // total wetted area
    double meanBottomLevel() const { return meanBottomSlicesLevel_; }
    // z of a total wetted area by false position between the lowest level and
    // 10 m above the highest; warns and keeps the last z at the iteration limit.
    double calculateZ(double A) const;
    // The state at area A (table or iteration, as set).
    SectionState state(double A) const;

    // --- reading ---
    const std::string& name() const { return sectionName_; }
    double lCoord() const { return lCoord_; }
    double referenceHeight() const { return referenceHeight_; }
    double ground() const { return ground_; }
    const std::vector<Point>& nodes() const { return sliceNodes_; }
    const std::vector<CrossSectionSlice>& slices() const { return slices_; }
    std::size_t numSlices() const { return slices_.size(); }
    const Point& leftDike() const { return leftDike_; }
    const Point& rightDike() const { return rightDike_; }
    double leveeLevel() const { return leveeLevel_; }
    const std::vector<double>& levels() const { return levels_; }
    const Tables& table() const { return table_; }
    const SectionComputation& computation() const { return computation_; }
    double lowestLevel() const { return levels_.front(); }
    double highestLevel() const { return levels_.back(); }
    int startMain() const { return startMain_; }
    int stopMain() const { return stopMain_; }
    int startBottom() const { return startBottom_; }
    int stopBottom() const { return stopBottom_; }
    double bedFormFactor() const { return bedFormFactor_; }
    double thetaCritic() const { return thetaCritic_; }
    double calibrationFactor() const { return calibration_; }

    // The internal representation, one field per line (the section dump).
    void dump(std::ostream& out) const;

private:
    double sliceFriction(const CrossSectionSlice& s) const;
    void checkFriction() const;
    void computeLevels();
    void computeMeanBottomLevel();

    std::string sectionName_;
    double lCoord_;
    double referenceHeight_;
    std::vector<Point> sliceNodes_;
    std::vector<CrossSectionSlice> slices_;
    std::vector<std::size_t> activeSlices_;
    Point leftDike_{}, rightDike_{};
    double ground_ = 0.0;
    double meanBottomSlicesLevel_ = -100.0;
    int startMain_ = 1, stopMain_ = 0;
    int startBottom_ = 1, stopBottom_ = 0;
    int startBottomOriginal_ = 1, stopBottomOriginal_ = 0;
    bool bottomDefined_ = false;
    double bedFormFactor_ = 1.0;
    double calibration_ = 1.0;
    double thetaCritic_ = -1.0;
    double leveeLevel_ = 0.0;

    SectionComputation computation_;
    const ResistanceCalc* law_ = nullptr;
    double defaultFriction_ = 0.0;
    std::vector<double> soilFriction_;
    double g_ = 0.0, sqrtG_ = 0.0;
    std::vector<double> fixedPoints_;
    double fixedMinLevel_ = 0.0;
    bool hasFixedMinLevel_ = false;
    std::vector<double> levels_;
    Tables table_;
};

}  // namespace Flumaris
