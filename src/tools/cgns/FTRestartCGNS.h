#pragma once
// Restart file of the 2-D solver in CGNS: the mesh once, then per stored time
// a cell-centred and a vertex flow solution and the edge mass fluxes, with the
// time list kept in the base and zone iterative data.
//
// The class works on plain arrays so that the 2-D subdomain hands over its
// structure-of-arrays directly. Fields travel by name: morphology and
// suspended-load state are just further named fields.
#include <cstddef>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace FLUMtools {

// The mesh as written once into the file.
struct FTRestartMesh {
    std::span<const double> x, y, z;     // one value per node
    std::span<const int> elementNodes;   // kSlots per element, zero-based; slot 3 negative for a triangle
    std::size_t numEdges = 0;            // length of the edge flux array
    static constexpr int kSlots = 4;

    std::size_t numNodes() const { return x.size(); }
    std::size_t numElements() const { return elementNodes.size() / kSlots; }
};

// One named array, one value per element or per node.
struct FTRestartField {
    std::string name;
    std::span<const double> values;
};

// The state stored at one time.
struct FTRestartState {
    double time = 0.0;
    std::vector<FTRestartField> elementFields;  // into the cell-centred solution
    std::vector<FTRestartField> nodeFields;     // into the vertex solution
    std::span<const double> fluxH;              // edge mass fluxes of the last step
    double origin = 0.0;                        // where the run began (start-up ramp, output times)
};

// Sizes the caller's mesh has; a file written for another mesh is rejected.
struct FTRestartCounts {
    std::size_t nodes = 0;
    std::size_t elements = 0;
    std::size_t edges = 0;
};

// The state read back for one stored time.
struct FTRestartData {
    double time = 0.0;
    std::map<std::string, std::vector<double>> elementFields;
    std::map<std::string, std::vector<double>> nodeFields;
    std::vector<double> fluxH;
    double origin = 0.0;  // where the stored run began; its own time in files without it

    bool hasElementField(const std::string& name) const { return elementFields.count(name) != 0; }
    bool hasNodeField(const std::string& name) const { return nodeFields.count(name) != 0; }
    // A field the run needs but the file lacks is an error.
    const std::vector<double>& elementField(const std::string& name) const;
    const std::vector<double>& nodeField(const std::string& name) const;
};

class FTRestartCGNS {
public:
    // Field names of the hydraulic state.
    static constexpr const char* kDepth = "Depth";
    static constexpr const char* kVelocityX = "VelocityX";
    static constexpr const char* kVelocityY = "VelocityY";
    static constexpr const char* kBed = "z_bed";
    static constexpr const char* kBedOld = "z_bed_old";

    // Tolerance within which a stored time matches a requested one [s].
    static constexpr double kTimeTolerance = 0.001;

    // With appendToExisting a run that continues from its own restart file
    // adds its times to that file instead of starting it afresh; stored
    // times after its first written time are removed.
    explicit FTRestartCGNS(std::string fileName, bool appendToExisting = false);

    // <prefix>_restart.cgns
    static std::string fileNameForPrefix(const std::string& prefix);
    const std::string& fileName() const { return fileName_; }

    // Appends the state at state.time. The first call creates the file (an
    // existing one is replaced unless appending) and writes the mesh; later
    // calls must pass a mesh of the same sizes. The time list stays in time
    // order; writing a time that is already stored replaces it.
    void write(const FTRestartMesh& mesh, const FTRestartState& state);
    // Times of the file, in order: those found when appending, then those written.
    const std::vector<double>& writtenTimes() const { return times_; }

    // Reads the stored state for requestedTime (negative: the last one) for a
    // continue start. Every failure is a level-1 message.
    static FTRestartData read(const std::string& fileName, double requestedTime, const FTRestartCounts& expected);
    // The stored times, as listed in the file.
    static std::vector<double> storedTimes(const std::string& fileName);

    // Index of the stored time for a request: the last one for a negative
    // request, else the closest within kTimeTolerance; npos when none fits.
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    static std::size_t selectTime(std::span<const double> times, double requestedTime);

    // Node names derived from the time, each at most 32 characters.
    static std::string elementSolutionName(double time);
    static std::string nodeSolutionName(double time);
    static std::string fluxName(double time);

private:
    void openExisting(int fn, const FTRestartMesh& mesh, double firstTime);
    void writeMesh(int fn, const FTRestartMesh& mesh);
    void writeSolution(int fn, const std::string& name, bool cellCentred,
                       const std::vector<FTRestartField>& fields, std::size_t count);
    void writeFlux(int fn, double time, std::span<const double> fluxH, double origin);
    void writeTimeData(int fn);

    std::string fileName_;
    bool append_ = false;
    bool created_ = false;
    std::size_t nodes_ = 0, elements_ = 0, edges_ = 0;
    std::vector<double> times_;
};

}  // namespace FLUMtools
