#pragma once
// SMS solution file (.sol) of one scalar or vector value: a header, then per
// output time a "TS" line and one line per mesh id from 1 to the largest id;
// ids missing from the mesh get zeros. Each time is flushed when written; the
// closing ENDDS comes with close().
#include <cstdint>
#include <span>
#include <string>

#include "tools/FTMesh2D.h"
#include "tools/FTTextFile.h"

namespace FLUMtools {

class FTSmsWriter {
public:
    // ids: the mesh ids of the entries in increasing order (values follow this order);
    // numCells: the element count of the NC line; julianReference: the start time as a Julian date.
    FTSmsWriter(const std::string& fileName, const std::string& valueName, bool vector,
                std::span<const std::int64_t> ids, std::size_t numCells, double julianReference);
    ~FTSmsWriter();
    FTSmsWriter(const FTSmsWriter&) = delete;
    FTSmsWriter& operator=(const FTSmsWriter&) = delete;

    // values: one entry per id; a vector field gives 2 or 3 components (a missing third is 0).
    void writeTime(double time, const FTField& field);
    void close();

    // Julian date of a calendar date and time (Gregorian calendar); 1-1-2000 12:00 is 2451545.
    static double julianDay(int day, int month, int year, int hour, int minute, double second);

private:
    FTTextFile file_;
    bool vector_;
    std::span<const std::int64_t> ids_;
};

}  // namespace FLUMtools
