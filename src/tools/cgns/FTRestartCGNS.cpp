#include "tools/cgns/FTRestartCGNS.h"

#include <cgnslib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <new>

#include <fmt/format.h>

#include "core/FlumAssert.h"
#include "core/MessageService.h"

namespace FLUMtools {

namespace {

constexpr const char* kBaseName = "base";
constexpr const char* kZoneName = "zone_unstructured";
constexpr const char* kSectionName = "Elem";
constexpr const char* kBaseIterName = "BaseIterativeData";
constexpr const char* kOriginArrayName = "RunOrigin";
constexpr const char* kZoneIterName = "ZoneIterativeData";
constexpr const char* kFluxArrayName = "FluxH_DATA";
constexpr int kNameLength = 32;  // longest node name the library accepts

// Base and zone are always the first ones: the file holds nothing else.
constexpr int kB = 1;
constexpr int kZ = 1;

std::string libraryError() {
    const char* text = cg_get_error();
    return text ? std::string(text) : std::string();
}

using Flumaris::fatal;

// A read failure: the message, then the library's own explanation.
[[noreturn]] void fatalWithLibraryError(const std::string& text) { fatal(text + " error: " + libraryError()); }

[[noreturn]] void missingNode(const std::string& name) { fatal("CGNS ERROR: could not find '" + name + "' node"); }

// Closes the file however the scope is left.
class OpenFile {
public:
    OpenFile() = default;
    ~OpenFile() {
        if (fn_ >= 0) cg_close(fn_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int open(const std::string& name, int mode) {
        int fn = -1;
        const int status = cg_open(name.c_str(), mode, &fn);
        if (status == CG_OK) fn_ = fn;
        return status;
    }
    // Reports a failure of the close itself (the data may not be on disk).
    int close() {
        const int fn = fn_;
        fn_ = -1;
        return cg_close(fn);
    }
    int fn() const { return fn_; }

private:
    int fn_ = -1;
};

std::string timedName(const char* stem, int width, double time) {
    char buffer[128];
    const int n = std::snprintf(buffer, sizeof buffer, "%s%*f", stem, width, time);
    if (n < 0 || n > kNameLength)
        fatal(fmt::format("Error: the restart time {} is too large to be stored in a restart file.\n"
                          "Please correct the input file.",
                          time));
    return std::string(buffer, static_cast<std::size_t>(n));
}

cgsize_t toSize(std::size_t n) {
    FLUM_ASSERT_MSG(n <= static_cast<std::size_t>(std::numeric_limits<cgsize_t>::max()),
                    "restart file: array too large for the CGNS size type");
    return static_cast<cgsize_t>(n);
}

// Index (1-based) of the array named `name` below the current goto position, 0 if none.
int findArray(const std::string& name, DataType_t* type, int* rank, cgsize_t* dims) {
    int count = 0;
    if (cg_narrays(&count) != CG_OK) return 0;
    for (int a = 1; a <= count; ++a) {
        char arrayName[kNameLength + 1] = {};
        if (cg_array_info(a, arrayName, type, rank, dims) != CG_OK) return 0;
        if (name == arrayName) return a;
    }
    return 0;
}

std::vector<double> readDoubleArray(const std::string& name) {
    DataType_t type{};
    int rank = 0;
    cgsize_t dims[12] = {};
    const int a = findArray(name, &type, &rank, dims);
    if (a == 0) missingNode(name);
    std::size_t count = 1;
    for (int r = 0; r < rank; ++r) count *= static_cast<std::size_t>(dims[r]);
    std::vector<double> values(count);
    if (cg_array_read_as(a, RealDouble, values.data()) != CG_OK)
        fatalWithLibraryError("Not all needed data could be found in restart file.");
    return values;
}

// Every field of one flow solution, by name.
std::map<std::string, std::vector<double>> readFields(int fn, int sol, std::size_t count, bool reportEach) {
    std::map<std::string, std::vector<double>> fields;
    int nfields = 0;
    if (cg_nfields(fn, kB, kZ, sol, &nfields) != CG_OK)
        fatalWithLibraryError("Not all needed data could be found in restart file.");
    const cgsize_t rmin = 1;
    const cgsize_t rmax = toSize(count);
    for (int f = 1; f <= nfields; ++f) {
        DataType_t type{};
        char name[kNameLength + 1] = {};
        if (cg_field_info(fn, kB, kZ, sol, f, &type, name) != CG_OK)
            fatalWithLibraryError("Not all needed data could be found in restart file.");
        std::vector<double> values(count);
        if (count > 0 && cg_field_read(fn, kB, kZ, sol, name, RealDouble, &rmin, &rmax, values.data()) != CG_OK)
            fatalWithLibraryError("Not all needed data could be found in restart file.");
        if (reportEach) Flumaris::report(6, std::string("node data field: ") + name + " read from file.");
        fields.emplace(name, std::move(values));
    }
    return fields;
}

[[noreturn]] void meshMismatch(const std::string& fileName, std::size_t fileNodes, std::size_t fileElements,
                               std::size_t nodes, std::size_t elements) {
    fatal(fmt::format("Error: the restart file '{}' holds a mesh of {} nodes and {} elements,\n"
                      "but the mesh of this run has {} nodes and {} elements.\n"
                      "Please give the restart file of this mesh.",
                      fileName, fileNodes, fileElements, nodes, elements));
}

std::vector<double> readTimeValues(int fn) {
    char name[kNameLength + 1] = {};
    int steps = 0;
    if (cg_biter_read(fn, kB, name, &steps) != CG_OK) missingNode(kBaseIterName);
    if (cg_goto(fn, kB, "BaseIterativeData_t", 1, "end") != CG_OK) missingNode(kBaseIterName);
    return readDoubleArray("TimeValues");
}

}  // namespace

// ---------------------------------------------------------------------------

const std::vector<double>& FTRestartData::elementField(const std::string& name) const {
    const auto it = elementFields.find(name);
    if (it == elementFields.end()) fatal("Not all needed data could be found in restart file.");
    return it->second;
}

const std::vector<double>& FTRestartData::nodeField(const std::string& name) const {
    const auto it = nodeFields.find(name);
    if (it == nodeFields.end()) fatal("Not all needed data could be found in restart file.");
    return it->second;
}

// ---------------------------------------------------------------------------

FTRestartCGNS::FTRestartCGNS(std::string fileName, bool appendToExisting)
    : fileName_(std::move(fileName)), append_(appendToExisting) {}

std::string FTRestartCGNS::fileNameForPrefix(const std::string& prefix) { return prefix + "_restart.cgns"; }

// Stem plus "%25f" fills the 32 characters exactly.
std::string FTRestartCGNS::elementSolutionName(double time) { return timedName("FlowEle", 25, time); }
std::string FTRestartCGNS::nodeSolutionName(double time) { return timedName("FlowNod", 25, time); }
// "FluxH" with a 29-wide time would exceed the 32 characters the library
// allows; the width shrinks to 27 so that the name still fills them exactly.
std::string FTRestartCGNS::fluxName(double time) { return timedName("FluxH", 27, time); }

std::size_t FTRestartCGNS::selectTime(std::span<const double> times, double requestedTime) {
    if (times.empty()) return npos;
    if (requestedTime < 0.0) return times.size() - 1;
    std::size_t best = npos;
    double bestDistance = kTimeTolerance;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const double distance = std::fabs(times[i] - requestedTime);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

// ---------------------------------------------------------------------------
// Writing

void FTRestartCGNS::write(const FTRestartMesh& mesh, const FTRestartState& state) {
    FLUM_ASSERT_MSG(mesh.y.size() == mesh.numNodes() && mesh.z.size() == mesh.numNodes(),
                    "restart file: coordinate arrays differ in length");
    FLUM_ASSERT_MSG(mesh.elementNodes.size() % FTRestartMesh::kSlots == 0,
                    "restart file: element node array is not a multiple of the slot count");
    FLUM_ASSERT_MSG(state.fluxH.size() == mesh.numEdges, "restart file: one edge flux per edge expected");
    FLUM_ASSERT_MSG(!created_ || (mesh.numNodes() == nodes_ && mesh.numElements() == elements_ &&
                                  mesh.numEdges == edges_),
                    "restart file: the mesh changed between two writes");

    const std::string eleName = elementSolutionName(state.time);
    const std::string nodName = nodeSolutionName(state.time);
    try {
        OpenFile file;
        const bool modify = created_ || (append_ && std::filesystem::exists(fileName_));
        // New files use the ADF storage, the restart format's own; reading
        // takes either storage.
        if (!modify) cg_set_file_type(CG_FILE_ADF);
        const int opened = file.open(fileName_, modify ? CG_MODE_MODIFY : CG_MODE_WRITE);
        if (!modify) cg_set_file_type(CG_FILE_NONE);  // back to the library default
        if (opened != CG_OK)
            fatal("Error: the restart file '" + fileName_ + "' could not be opened for writing. error: " +
                  libraryError());
        if (!created_) {
            if (modify)
                openExisting(file.fn(), mesh, state.time);
            else
                writeMesh(file.fn(), mesh);
            nodes_ = mesh.numNodes();
            elements_ = mesh.numElements();
            edges_ = mesh.numEdges;
            created_ = true;
        }
        writeSolution(file.fn(), eleName, true, state.elementFields, elements_);
        writeSolution(file.fn(), nodName, false, state.nodeFields, nodes_);
        writeFlux(file.fn(), state.time, state.fluxH, state.origin);
        // The same time written again (an end time on a restart interval)
        // replaced its solutions above; it is listed once.
        const auto known = std::find_if(times_.begin(), times_.end(),
                                        [&](double t) { return elementSolutionName(t) == eleName; });
        if (known != times_.end())
            *known = state.time;
        else
            times_.insert(std::upper_bound(times_.begin(), times_.end(), state.time), state.time);
        writeTimeData(file.fn());
        if (file.close() != CG_OK)
            fatal("Error: the restart file '" + fileName_ + "' could not be written. error: " + libraryError());
    } catch (const std::bad_alloc&) {
        fatal("The CGNS output could not be performed. Not enough memory available");
    }
}

// A continued run adds to its own file: the mesh must be the same, the
// stored times stay listed.
void FTRestartCGNS::openExisting(int fn, const FTRestartMesh& mesh, double firstTime) {
    char zoneName[kNameLength + 1] = {};
    cgsize_t sizes[3] = {};
    if (cg_zone_read(fn, kB, kZ, zoneName, sizes) != CG_OK)
        fatalWithLibraryError("failed to read zone information");
    const auto fileNodes = static_cast<std::size_t>(sizes[0]);
    const auto fileElements = static_cast<std::size_t>(sizes[1]);
    if (fileNodes != mesh.numNodes() || fileElements != mesh.numElements())
        meshMismatch(fileName_, fileNodes, fileElements, mesh.numNodes(), mesh.numElements());
    times_ = readTimeValues(fn);
    std::sort(times_.begin(), times_.end());
    // Stored states after the time the run continues from belong to the
    // history it replaces.
    while (!times_.empty() && times_.back() > firstTime &&
           elementSolutionName(times_.back()) != elementSolutionName(firstTime)) {
        const double t = times_.back();
        if (cg_goto(fn, kB, "Zone_t", kZ, "end") != CG_OK)
            fatal("Error: the restart file '" + fileName_ + "' could not be written. error: " + libraryError());
        for (const std::string& name : {elementSolutionName(t), nodeSolutionName(t), fluxName(t)})
            cg_delete_node(name.c_str());  // a node already missing is no harm
        times_.pop_back();
    }
}

void FTRestartCGNS::writeMesh(int fn, const FTRestartMesh& mesh) {
    const auto failed = [&] {
        fatal("Error: the mesh could not be written to the restart file '" + fileName_ + "'. error: " +
              libraryError());
    };
    int base = 0;
    if (cg_base_write(fn, kBaseName, 2, 3, &base) != CG_OK) failed();
    if (cg_simulation_type_write(fn, base, TimeAccurate) != CG_OK) failed();
    // SI throughout; every array below inherits it.
    if (cg_goto(fn, base, "end") != CG_OK) failed();
    if (cg_dataclass_write(Dimensional) != CG_OK) failed();
    if (cg_units_write(Kilogram, Meter, Second, Kelvin, Radian) != CG_OK) failed();

    const std::size_t nElements = mesh.numElements();
    cgsize_t sizes[3] = {toSize(mesh.numNodes()), toSize(nElements), 0};
    int zone = 0;
    if (cg_zone_write(fn, base, kZoneName, sizes, Unstructured, &zone) != CG_OK) failed();

    int coord = 0;
    if (cg_coord_write(fn, base, zone, RealDouble, "CoordinateX", mesh.x.data(), &coord) != CG_OK) failed();
    if (cg_coord_write(fn, base, zone, RealDouble, "CoordinateY", mesh.y.data(), &coord) != CG_OK) failed();
    if (cg_coord_write(fn, base, zone, RealDouble, "CoordinateZ", mesh.z.data(), &coord) != CG_OK) failed();

    // Mixed section: each element is its type code followed by its 1-based
    // nodes; the offsets mark where each element starts.
    std::vector<cgsize_t> connectivity;
    connectivity.reserve(nElements * (FTRestartMesh::kSlots + 1));
    std::vector<cgsize_t> offsets;
    offsets.reserve(nElements + 1);
    offsets.push_back(0);
    for (std::size_t e = 0; e < nElements; ++e) {
        const int* nodes = mesh.elementNodes.data() + e * FTRestartMesh::kSlots;
        const int corners = nodes[3] < 0 ? 3 : 4;
        connectivity.push_back(corners == 3 ? TRI_3 : QUAD_4);
        for (int k = 0; k < corners; ++k) {
            FLUM_ASSERT_MSG(nodes[k] >= 0 && static_cast<std::size_t>(nodes[k]) < mesh.numNodes(),
                            "restart file: element node index out of range");
            connectivity.push_back(static_cast<cgsize_t>(nodes[k]) + 1);
        }
        offsets.push_back(static_cast<cgsize_t>(connectivity.size()));
    }
    int section = 0;
    if (nElements > 0 && cg_poly_section_write(fn, base, zone, kSectionName, MIXED, 1, toSize(nElements), 0,
                                               connectivity.data(), offsets.data(), &section) != CG_OK)
        failed();
}

void FTRestartCGNS::writeSolution(int fn, const std::string& name, bool cellCentred,
                                  const std::vector<FTRestartField>& fields, std::size_t count) {
    const auto failed = [&] {
        fatal("Error: the flow solution '" + name + "' could not be written to the restart file '" + fileName_ +
              "'. error: " + libraryError());
    };
    int sol = 0;
    if (cg_sol_write(fn, kB, kZ, name.c_str(), cellCentred ? CellCenter : Vertex, &sol) != CG_OK) failed();
    for (const FTRestartField& field : fields) {
        FLUM_ASSERT_MSG(field.values.size() == count, "restart file: field length differs from the mesh");
        FLUM_ASSERT_MSG(!field.name.empty() && field.name.size() <= static_cast<std::size_t>(kNameLength),
                        "restart file: field name empty or longer than 32 characters");
        int f = 0;
        if (cg_field_write(fn, kB, kZ, sol, RealDouble, field.name.c_str(), field.values.data(), &f) != CG_OK)
            failed();
    }
}

void FTRestartCGNS::writeFlux(int fn, double time, std::span<const double> fluxH, double origin) {
    const std::string name = fluxName(time);
    const auto failed = [&] {
        fatal("Error: the edge fluxes '" + name + "' could not be written to the restart file '" + fileName_ +
              "'. error: " + libraryError());
    };
    if (cg_goto(fn, kB, "Zone_t", kZ, "end") != CG_OK) failed();
    if (cg_user_data_write(name.c_str()) != CG_OK) failed();
    if (cg_goto(fn, kB, "Zone_t", kZ, name.c_str(), 0, "end") != CG_OK) failed();
    const cgsize_t n = toSize(fluxH.size());
    if (n > 0 && cg_array_write(kFluxArrayName, RealDouble, 1, &n, fluxH.data()) != CG_OK) failed();
    const cgsize_t one = 1;
    if (cg_array_write(kOriginArrayName, RealDouble, 1, &one, &origin) != CG_OK) failed();
}

void FTRestartCGNS::writeTimeData(int fn) {
    const auto failed = [] { fatal("ERROR writing CGNS time data error: " + libraryError()); };
    const int steps = static_cast<int>(times_.size());
    const cgsize_t n = steps;

    if (cg_biter_write(fn, kB, kBaseIterName, steps) != CG_OK) failed();
    if (cg_goto(fn, kB, "BaseIterativeData_t", 1, "end") != CG_OK) failed();
    if (cg_array_write("TimeValues", RealDouble, 1, &n, times_.data()) != CG_OK) failed();
    std::vector<int> iterations(times_.size());
    for (int i = 0; i < steps; ++i) iterations[static_cast<std::size_t>(i)] = i + 1;
    if (cg_array_write("TimeIterValues", Integer, 1, &n, iterations.data()) != CG_OK) failed();

    // Fixed 32-character names, blank padded, one column per time. The vertex
    // list lets post-processors that follow the pointers find the node data too.
    const auto pointers = [&](std::string (*nameOf)(double)) {
        std::string text(static_cast<std::size_t>(kNameLength) * times_.size(), ' ');
        for (std::size_t i = 0; i < times_.size(); ++i) {
            const std::string name = nameOf(times_[i]);
            std::copy(name.begin(), name.end(), text.begin() + static_cast<std::ptrdiff_t>(i * kNameLength));
        }
        return text;
    };
    const cgsize_t dims[2] = {kNameLength, n};
    if (cg_ziter_write(fn, kB, kZ, kZoneIterName) != CG_OK) failed();
    if (cg_goto(fn, kB, "Zone_t", kZ, "ZoneIterativeData_t", 1, "end") != CG_OK) failed();
    const std::string cellPointers = pointers(&elementSolutionName);
    if (cg_array_write("FlowSolutionPointers", Character, 2, dims, cellPointers.data()) != CG_OK) failed();
    const std::string vertexPointers = pointers(&nodeSolutionName);
    if (cg_array_write("FlowSolutionVertexPointers", Character, 2, dims, vertexPointers.data()) != CG_OK) failed();
}

// ---------------------------------------------------------------------------
// Reading

namespace {

int findSolution(int fn, const std::string& name, GridLocation_t location) {
    int nsols = 0;
    if (cg_nsols(fn, kB, kZ, &nsols) != CG_OK)
        fatalWithLibraryError("failed to read number of flow solutions");
    for (int s = 1; s <= nsols; ++s) {
        char solName[kNameLength + 1] = {};
        GridLocation_t where{};
        if (cg_sol_info(fn, kB, kZ, s, solName, &where) != CG_OK)
            fatalWithLibraryError("failed to solution info " + std::to_string(s));
        if (name == solName && where == location) return s;
    }
    missingNode(name);
}

}  // namespace

std::vector<double> FTRestartCGNS::storedTimes(const std::string& fileName) {
    OpenFile file;
    if (file.open(fileName, CG_MODE_READ) != CG_OK) fatalWithLibraryError("failed to open file");
    return readTimeValues(file.fn());
}

FTRestartData FTRestartCGNS::read(const std::string& fileName, double requestedTime,
                                  const FTRestartCounts& expected) {
    Flumaris::report(5, "open initial file " + fileName + " for continue.");
    OpenFile file;
    if (file.open(fileName, CG_MODE_READ) != CG_OK) fatalWithLibraryError("failed to open file");
    Flumaris::report(5, "restart file opened successfully");
    const int fn = file.fn();

    int nsols = 0;
    if (cg_nsols(fn, kB, kZ, &nsols) != CG_OK) fatalWithLibraryError("failed to read number of flow solutions");
    if (nsols == 0) fatal("No solution could be found in the restart file!");

    const std::vector<double> times = readTimeValues(fn);
    const std::size_t pick = selectTime(times, requestedTime);
    if (pick == npos) {
        std::string text = fmt::format(
            "Parse error when trying to read the CGNS restart file:\n"
            "no flow solution could be found in restart-file for time: {}. Valid times are:\n",
            requestedTime);
        for (double t : times) text += fmt::format("{}\n", t);
        fatal(text);
    }
    FTRestartData data;
    data.time = times[pick];

    char zoneName[kNameLength + 1] = {};
    cgsize_t sizes[3] = {};
    if (cg_zone_read(fn, kB, kZ, zoneName, sizes) != CG_OK)
        fatalWithLibraryError("failed to read zone information");
    Flumaris::report(6, fmt::format("zone information read: {} ({} nodes, {} elements)", zoneName, sizes[0],
                                    sizes[1]));
    const auto fileNodes = static_cast<std::size_t>(sizes[0]);
    const auto fileElements = static_cast<std::size_t>(sizes[1]);
    if (fileNodes != expected.nodes || fileElements != expected.elements)
        meshMismatch(fileName, fileNodes, fileElements, expected.nodes, expected.elements);

    const int eleSol = findSolution(fn, elementSolutionName(data.time), CellCenter);
    Flumaris::report(5, fmt::format("Cell-Centered flow solution for time {} was found.", data.time));
    data.elementFields = readFields(fn, eleSol, fileElements, false);

    const int nodSol = findSolution(fn, nodeSolutionName(data.time), Vertex);
    Flumaris::report(5, fmt::format("Cell-vertex flow solution for time {} was found.", data.time));
    data.nodeFields = readFields(fn, nodSol, fileNodes, true);

    const std::string flux = fluxName(data.time);
    if (cg_goto(fn, kB, "Zone_t", kZ, flux.c_str(), 0, "end") != CG_OK) missingNode(flux);
    data.fluxH = readDoubleArray(kFluxArrayName);
    DataType_t type{};
    int rank = 0;
    cgsize_t dims[12] = {};
    data.origin = data.time;
    if (const int a = findArray(kOriginArrayName, &type, &rank, dims); a != 0 && dims[0] == 1)
        if (cg_array_read_as(a, RealDouble, &data.origin) != CG_OK) data.origin = data.time;
    if (data.fluxH.size() != expected.edges)
        fatal(fmt::format("Error: the restart file '{}' holds {} edge fluxes,\n"
                          "but the mesh of this run has {} edges.\n"
                          "Please give the restart file of this mesh.",
                          fileName, data.fluxH.size(), expected.edges));
    return data;
}

}  // namespace FLUMtools
