#pragma once
// Writer of Tecplot binary data files (.plt, version TDV112) for finite-element
// quadrilateral zones. It takes the usual call sequence of a Tecplot output
// library: init (title, variables, file), then per zone: zone header, the
// variable blocks (data, possibly in several calls) and the node map, and end.
//
// The format keeps every zone header before the end-of-header marker and all
// data sections after it. To leave a readable file after every completed zone
// (a run may stop at any time), the header region is reserved ahead and
// filled up by a dataset auxiliary record ("Reserved", blanks): a completed
// zone appends its data section, flushes, then rewrites the header region in
// place with one more zone header and a shorter filler. When the room runs
// out, the file is rewritten once with twice the room. end() writes the file
// without filler.
//
// Calls return 0 on success and -1 on failure (then lastError() says why),
// as the library calls do.
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "tools/FTMesh2D.h"

namespace FLUMtools {

enum class FTTecplotFileType : std::int32_t { Full = 0, Grid = 1, Solution = 2 };

struct FTTecplotZone {
    std::string title;
    std::int32_t numNodes = 0;
    std::int32_t numElements = 0;
    double solutionTime = 0.0;
    // 0: static zone; k > 0: member of time strand k.
    std::int32_t strandId = 0;
    // Per variable; empty places every variable at the nodes.
    std::vector<FTLocation> locations;
    // Per variable: one-based zone whose values are reused, 0 for own values; empty: none shared.
    std::vector<std::int32_t> shareVarFromZone;
    // One-based zone whose node map is reused, 0 for an own node map.
    std::int32_t shareConnectivityFromZone = 0;
};

class FTTecplotBinaryWriter {
public:
    FTTecplotBinaryWriter() = default;
    ~FTTecplotBinaryWriter();  // finishes an open file
    FTTecplotBinaryWriter(const FTTecplotBinaryWriter&) = delete;
    FTTecplotBinaryWriter& operator=(const FTTecplotBinaryWriter&) = delete;

    // variables: names separated by blanks or commas; isDouble: values stored
    // as 64-bit, else 32-bit floats.
    int init(const std::string& title, const std::string& variables, const std::string& fileName,
             FTTecplotFileType fileType = FTTecplotFileType::Full, bool isDouble = true);
    // Starts a finite-element quadrilateral zone; the previous zone must be complete.
    int zone(const FTTecplotZone& zone);
    // Values of the zone's own (not shared) variables in variable order, each
    // block numNodes or numElements long according to its location.
    int data(std::span<const double> values);
    int data(std::span<const float> values);
    // Four one-based node numbers per element (a triangle repeats its last node).
    int nodeMap(std::span<const std::int32_t> nodes);
    // Writes the file without filler and closes it. An incomplete last zone is
    // left out (and reported by -1).
    int end();

    bool isOpen() const { return open_; }
    const std::string& lastError() const { return lastError_; }
    const std::vector<std::string>& variables() const { return variables_; }
    std::size_t zoneCount() const { return completeZones_; }
    static constexpr std::size_t initialHeaderRoom = 4096;

    // Splits a variable list at blanks and commas.
    static std::vector<std::string> splitVariables(const std::string& list);

private:
    int fail(const std::string& text);
    bool zoneComplete() const;
    int finishZoneIfComplete();
    void appendZoneHeader(std::vector<char>& out, const FTTecplotZone& z) const;
    // Header region of the complete zones, filled up to `room` bytes (0: no filler); empty if it cannot fit.
    std::vector<char> headerRegion(std::size_t room) const;
    // Rewrites the file with a header region of `room` bytes (0: exact) through a temporary file.
    bool rewrite(std::size_t room);
    void closeFile();

    bool open_ = false;
    bool isDouble_ = true;
    FTTecplotFileType fileType_ = FTTecplotFileType::Full;
    std::string title_, fileName_, lastError_;
    std::vector<std::string> variables_;
    std::vector<FTTecplotZone> zones_;  // the last one may still be filling
    std::size_t completeZones_ = 0;
    std::FILE* file_ = nullptr;
    std::size_t headerRoom_ = 0;  // bytes before the first data section

    // Zone being filled: own variables still expected, values received so far.
    std::vector<std::size_t> pendingVars_;
    std::size_t pendingIndex_ = 0;
    std::vector<std::vector<double>> zoneValues_;
    std::vector<std::int32_t> zoneNodeMap_;
    bool needNodeMap_ = false;
    bool zoneOpen_ = false;
};

}  // namespace FLUMtools
