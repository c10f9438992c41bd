#include "plane/output/FPFieldSink.h"

#include <algorithm>
#include <numeric>

#include <fmt/format.h>

#include "core/MessageService.h"
#include "tools/FTAsciiWriter.h"
#include "tools/FTShapeWriter.h"
#include "tools/FTSmsWriter.h"
#include "tools/FTTecplotAsciiWriter.h"
#include "tools/FTTecplotBinaryWriter.h"
#include "tools/FTTextFile.h"
#include "tools/FTVtkWriter.h"

using Flumaris::fatal;
using Flumaris::report;
using FLUMtools::FTField;
using FLUMtools::FTLocation;
using FLUMtools::FTMesh2D;

namespace FlumPlane {

namespace {

const char* locationTag(FTLocation where) { return where == FTLocation::Node ? "_nds" : "_els"; }

class AsciiSink final : public FPFieldSink {
public:
    AsciiSink(const FTMesh2D& mesh, const FieldSinkOptions& o, const std::vector<FTField>& layout)
        : writer_(mesh, o.where, o.stem + locationTag(o.where) + (o.track ? "_track" : "") + ".dat",
                  o.idsInsteadOfCoords, layout) {}
    void write(double t, const std::vector<FTField>& fields) override { writer_.writeTime(t, fields); }
    void close() override { writer_.close(); }

private:
    FLUMtools::FTAsciiWriter writer_;
};

class TecplotAsciiSink final : public FPFieldSink {
public:
    TecplotAsciiSink(const FTMesh2D& mesh, const FieldSinkOptions& o, const std::vector<FTField>& layout)
        : writer_(mesh, o.where, o.stem + (o.track ? "_track_tecplot" : "_tecplot") + ".dat", layout) {}
    void write(double t, const std::vector<FTField>& fields) override { writer_.writeZone(t, fields); }
    void close() override { writer_.close(); }

private:
    FLUMtools::FTTecplotAsciiWriter writer_;
};

class TecplotBinarySink final : public FPFieldSink {
public:
    TecplotBinarySink(const FTMesh2D& mesh, const FieldSinkOptions& o, const std::vector<FTField>& layout)
        : mesh_(mesh), where_(o.where) {
        std::string vars = "X Y Z ";
        for (const FTField& f : layout)
            for (int c = 0; c < f.components; ++c) vars += f.columnName(c) + " ";
        check(writer_.init("FLUMARIS Output", vars, o.stem + (o.track ? "_track_tecplot" : "_tecplot") + ".plt",
                           FLUMtools::FTTecplotFileType::Full, true));
        columns_ = writer_.variables().size();
    }
    ~TecplotBinarySink() override {
        try {
            close();
        } catch (...) {  // reported already; nothing may leave a destructor
        }
    }
    void write(double t, const std::vector<FTField>& fields) override {
        FLUMtools::FTTecplotZone z;
        z.title = fmt::format("{}", t);
        z.numNodes = static_cast<std::int32_t>(mesh_.numNodes());
        z.numElements = static_cast<std::int32_t>(mesh_.numElements());
        z.solutionTime = t;
        z.strandId = 1;
        z.locations.assign(columns_, where_);
        z.locations[0] = z.locations[1] = z.locations[2] = FTLocation::Node;
        const bool first = zones_ == 0;
        if (!first) {
            z.shareVarFromZone.assign(columns_, 0);
            z.shareVarFromZone[0] = z.shareVarFromZone[1] = 1;
            z.shareConnectivityFromZone = 1;
        }
        check(writer_.zone(z));
        if (first) {
            check(writer_.data(std::span<const double>(mesh_.x())));
            check(writer_.data(std::span<const double>(mesh_.y())));
        }
        check(writer_.data(std::span<const double>(mesh_.z())));
        const std::size_t n = mesh_.count(where_);
        block_.resize(n);
        for (const FTField& f : fields)
            for (int c = 0; c < f.components; ++c) {
                for (std::size_t i = 0; i < n; ++i) block_[i] = f.value(i, c);
                check(writer_.data(std::span<const double>(block_)));
            }
        if (first) check(writer_.nodeMap(mesh_.quadNodeMap(true)));
        ++zones_;
    }
    void close() override {
        if (writer_.isOpen()) check(writer_.end());
    }

private:
    void check(int code) {
        if (code != 0) fatal(fmt::format("tecplot failed and returned {}: {}", code, writer_.lastError()));
    }
    const FTMesh2D& mesh_;
    FTLocation where_;
    FLUMtools::FTTecplotBinaryWriter writer_;
    std::size_t columns_ = 0;
    int zones_ = 0;
    std::vector<double> block_;
};

class VtkSink final : public FPFieldSink {
public:
    VtkSink(const FTMesh2D& mesh, const FieldSinkOptions& o)
        : writer_(mesh, o.where), stem_(o.stem + (o.track ? "_track" : "")) {}
    void write(double t, const std::vector<FTField>& fields) override {
        writer_.write(FLUMtools::FTVtkWriter::fileName(stem_, t), t, fields);
    }

private:
    FLUMtools::FTVtkWriter writer_;
    std::string stem_;
};

class ShapeSink final : public FPFieldSink {
public:
    ShapeSink(const FTMesh2D& mesh, const FieldSinkOptions& o)
        : writer_(mesh, o.where, o.stem + locationTag(o.where) + (o.track ? "_track" : "")) {}
    void write(double t, const std::vector<FTField>& fields) override { writer_.writeTime(t, fields); }

private:
    FLUMtools::FTShapeWriter writer_;
};

// One .sol file per value. The file lists ids in increasing order, so values
// are permuted when the mesh stores its entries in another order.
class SmsSink final : public FPFieldSink {
public:
    SmsSink(const FTMesh2D& mesh, const FieldSinkOptions& o, const std::vector<FTField>& layout) {
        const auto& ids = o.where == FTLocation::Node ? mesh.nodeIds() : mesh.elementIds();
        order_.resize(ids.size());
        std::iota(order_.begin(), order_.end(), std::size_t{0});
        std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) { return ids[a] < ids[b]; });
        sorted_ = std::is_sorted(ids.begin(), ids.end());
        ids_.resize(ids.size());
        for (std::size_t k = 0; k < ids.size(); ++k) ids_[k] = ids[order_[k]];
        for (std::size_t k = 1; k < ids_.size(); ++k)
            if (ids_[k] == ids_[k - 1]) fatal(fmt::format("Error: The mesh id {} is used twice; SMS output needs unique ids.", ids_[k]));
        for (const FTField& f : layout)
            writers_.push_back(std::make_unique<FLUMtools::FTSmsWriter>(
                o.stem + locationTag(o.where) + "_" + f.name + ".sol", f.name, f.components > 1,
                std::span<const std::int64_t>(ids_), mesh.numElements(), o.julianReference));
        if (o.where == FTLocation::Element && !o.track) writeCentreMesh(mesh, o.stem + "_element_geometry.2dm");
    }
    void write(double t, const std::vector<FTField>& fields) override {
        for (std::size_t k = 0; k < fields.size(); ++k) {
            if (sorted_) {
                writers_[k]->writeTime(t, fields[k]);
                continue;
            }
            const FTField& f = fields[k];
            const std::size_t c = static_cast<std::size_t>(f.components);
            permuted_.resize(f.values.size());
            for (std::size_t i = 0; i < order_.size(); ++i)
                for (std::size_t j = 0; j < c; ++j) permuted_[i * c + j] = f.values[order_[i] * c + j];
            FTField p = f;
            p.values = permuted_;
            writers_[k]->writeTime(t, p);
        }
    }
    void close() override {
        for (auto& w : writers_) w->close();
    }

private:
    static void writeCentreMesh(const FTMesh2D& mesh, const std::string& fileName) {
        FLUMtools::FTTextFile file(fileName);
        fmt::memory_buffer buf;
        auto out = std::back_inserter(buf);
        fmt::format_to(out, "MESH2D\n");
        for (std::size_t e = 0; e < mesh.numElements(); ++e)
            fmt::format_to(out, "ND {} {} {} {}\n", mesh.elementIds()[e], mesh.centreX(e), mesh.centreY(e), mesh.centreZ(e));
        file.writeRecord(buf);
    }
    std::vector<std::size_t> order_;
    std::vector<std::int64_t> ids_;
    bool sorted_ = true;
    std::vector<double> permuted_;
    std::vector<std::unique_ptr<FLUMtools::FTSmsWriter>> writers_;
};

}  // namespace

FieldFormat fieldFormatFromWord(const std::string& word) {
    if (word == "ascii") return FieldFormat::Ascii;
    if (word == "sms") return FieldFormat::Sms;
    if (word == "tecplot") return FieldFormat::Tecplot;
    if (word == "vtk") return FieldFormat::Vtk;
    if (word == "shape") return FieldFormat::Shape;
    fatal("Error: The output format '" + word +
                  "' is unknown.\nPlease choose ascii, sms, tecplot, shape or vtk and restart the program.");
    return FieldFormat::Ascii;
}

std::unique_ptr<FPFieldSink> makeFieldSink(const FTMesh2D& mesh, const FieldSinkOptions& o,
                                           const std::vector<FTField>& layout) {
    switch (o.format) {
        case FieldFormat::Ascii: return std::make_unique<AsciiSink>(mesh, o, layout);
        case FieldFormat::Sms: return std::make_unique<SmsSink>(mesh, o, layout);
        case FieldFormat::Tecplot:
            if (o.binary) return std::make_unique<TecplotBinarySink>(mesh, o, layout);
            return std::make_unique<TecplotAsciiSink>(mesh, o, layout);
        case FieldFormat::Vtk: return std::make_unique<VtkSink>(mesh, o);
        case FieldFormat::Shape: return std::make_unique<ShapeSink>(mesh, o);
    }
    return nullptr;
}

}  // namespace FlumPlane
