#pragma once
// Where node or element centred values go: one sink per file set (ascii, sms,
// tecplot ASCII or binary, vtk, shape). A sink is made for a fixed list of
// fields and gets their values at every output time.
#include <memory>
#include <string>
#include <vector>

#include "tools/FTMesh2D.h"

namespace FlumPlane {

enum class FieldFormat { Ascii, Sms, Tecplot, Vtk, Shape };

// "ascii", "sms", ...; another word stops the run naming it.
FieldFormat fieldFormatFromWord(const std::string& word);

struct FieldSinkOptions {
    FieldFormat format = FieldFormat::Ascii;
    FLUMtools::FTLocation where = FLUMtools::FTLocation::Node;
    std::string stem;             // output prefix, with "_<value>" for split files
    bool track = false;           // the file set of tracked values
    bool binary = false;          // tecplot: .plt
    bool idsInsteadOfCoords = false;
    double julianReference = 0.0; // sms
};

class FPFieldSink {
public:
    virtual ~FPFieldSink() = default;
    virtual void write(double t, const std::vector<FLUMtools::FTField>& fields) = 0;
    virtual void close() {}
};

// layout: the fields of every write (names and sub-value counts).
std::unique_ptr<FPFieldSink> makeFieldSink(const FLUMtools::FTMesh2D& mesh, const FieldSinkOptions& options,
                                           const std::vector<FLUMtools::FTField>& layout);

}  // namespace FlumPlane
