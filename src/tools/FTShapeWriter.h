#pragma once
// Shape files of node values (points) or element values (polygons, outer
// rings clockwise and closed): the .shp/.shx geometry is written once, the
// .dbf holds the integer field ext_id (mesh id) and one double column per
// value, sub-value and output time.
//
// dBase limits shape the columns: names have at most 10 characters (the
// value name cut to fit before "_<output number>", kept unique), a file has
// at most 255 fields (further columns go to a new part "<stem>_part2", ...
// with the same geometry), and a number must fit its field text (24
// characters; the decimals of a column follow its largest magnitude).
// Every output time rewrites the .dbf through a temporary file and a rename,
// so the file on disk is always complete.
#include <string>
#include <vector>

#include "tools/FTMesh2D.h"

namespace FLUMtools {

class FTShapeWriter {
public:
    static constexpr int maxFields = 255;
    static constexpr int numberWidth = 24;
    static constexpr int maxDecimals = 15;
    static constexpr int maxNameLength = 10;

    // fileStem: the path without extension ("..._nds"); .shp, .shx and .dbf are added.
    FTShapeWriter(const FTMesh2D& mesh, FTLocation where, const std::string& fileStem);

    void writeTime(double time, const std::vector<FTField>& fields);

    // Stems of the parts written so far (the first is the stem given).
    std::vector<std::string> partStems() const;

    struct Column {
        std::string name;   // as stored in the .dbf
        std::string label;  // value (and sub-value) name
        double time = 0.0;
        int decimals = 0;
        std::vector<double> values;
    };
    struct Part {
        std::string stem;
        std::vector<Column> columns;
    };
    const std::vector<Part>& parts() const { return parts_; }

    // Decimals that let every finite value fit the field width; -1 if one cannot fit.
    static int decimalsFor(const std::vector<double>& values);

private:
    void startPart();
    void writeGeometry(const std::string& stem) const;
    void writeTable(const Part& part);
    std::string uniqueName(const std::string& value, const std::string& component, int output, int index) const;

    const FTMesh2D& mesh_;
    FTLocation where_;
    std::string stem_;
    std::vector<Part> parts_;
    int outputs_ = 0;
    int idWidth_ = 1;
    bool warnedUnfit_ = false;
};

}  // namespace FLUMtools
