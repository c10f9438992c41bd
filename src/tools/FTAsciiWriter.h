#pragma once
// Plain-text result file of node or element values: a count line, a column
// header, then per output time a time line and one row per node or element
// (coordinates or mesh id, then the values) in fixed-width columns. Each
// output time is flushed when written.
#include <string>
#include <vector>

#include "tools/FTMesh2D.h"
#include "tools/FTTextFile.h"

namespace FLUMtools {

class FTAsciiWriter {
public:
    static constexpr int columnWidth = 15;

    // layout: the fields every output time will carry (the values are not read).
    FTAsciiWriter(const FTMesh2D& mesh, FTLocation where, const std::string& fileName, bool idsInsteadOfCoords,
                  const std::vector<FTField>& layout);

    void writeTime(double time, const std::vector<FTField>& fields);
    void close() { file_.close(); }

private:
    const FTMesh2D& mesh_;
    FTLocation where_;
    bool ids_;
    std::size_t columns_ = 0;
    FTTextFile file_;
};

}  // namespace FLUMtools
