#pragma once
// Tecplot ASCII result file: one finite-element quadrilateral zone per output
// time in block packing; zones after the first reuse the X and Y columns and
// the connectivity of zone 1. Each zone is flushed when written.
#include <string>
#include <vector>

#include "tools/FTMesh2D.h"
#include "tools/FTTextFile.h"

namespace FLUMtools {

class FTTecplotAsciiWriter {
public:
    // layout: the fields every zone will carry (names and sub-value counts; the values are not read).
    FTTecplotAsciiWriter(const FTMesh2D& mesh, FTLocation where, const std::string& fileName,
                         const std::vector<FTField>& layout);

    void writeZone(double time, const std::vector<FTField>& fields);
    void close() { file_.close(); }
    int zonesWritten() const { return zones_; }

private:
    const FTMesh2D& mesh_;
    FTLocation where_;
    FTTextFile file_;
    std::size_t columns_ = 0;
    int zones_ = 0;
};

}  // namespace FLUMtools
