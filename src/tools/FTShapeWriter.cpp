#include "tools/FTShapeWriter.h"

#include <shapefil.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include <fmt/format.h>

#include "core/FlumAssert.h"
#include "core/MessageService.h"

namespace FLUMtools {

namespace {

std::string sanitized(const std::string& label) {
    std::string s;
    for (unsigned char c : label) s += (std::isalnum(c) || c == '_') ? static_cast<char>(c) : '_';
    return s;
}

int digits(std::int64_t v) {
    int d = v < 0 ? 2 : 1;
    for (v = v < 0 ? -v : v; v >= 10; v /= 10) ++d;
    return d;
}

}  // namespace

FTShapeWriter::FTShapeWriter(const FTMesh2D& mesh, FTLocation where, const std::string& fileStem)
    : mesh_(mesh), where_(where), stem_(fileStem) {
    const auto& ids = where == FTLocation::Node ? mesh.nodeIds() : mesh.elementIds();
    for (std::int64_t id : ids) idWidth_ = std::max(idWidth_, digits(id));
    startPart();
}

std::vector<std::string> FTShapeWriter::partStems() const {
    std::vector<std::string> stems;
    for (const Part& p : parts_) stems.push_back(p.stem);
    return stems;
}

void FTShapeWriter::startPart() {
    Part part;
    part.stem = parts_.empty() ? stem_ : fmt::format("{}_part{}", stem_, parts_.size() + 1);
    writeGeometry(part.stem);
    parts_.push_back(std::move(part));
    writeTable(parts_.back());
}

void FTShapeWriter::writeGeometry(const std::string& stem) const {
    const std::string name = stem + ".shp";
    const bool node = where_ == FTLocation::Node;
    SHPHandle shp = SHPCreate(name.c_str(), node ? SHPT_POINT : SHPT_POLYGON);
    if (!shp) Flumaris::fatal("Unable to create .shp output file '" + name + "'.");
    bool ok = true;
    if (node) {
        for (std::size_t i = 0; i < mesh_.numNodes() && ok; ++i) {
            double x = mesh_.x()[i], y = mesh_.y()[i];
            SHPObject* obj = SHPCreateSimpleObject(SHPT_POINT, 1, &x, &y, nullptr);
            ok = SHPWriteObject(shp, -1, obj) >= 0;
            SHPDestroyObject(obj);
        }
    } else {
        for (std::size_t e = 0; e < mesh_.numElements() && ok; ++e) {
            const auto& el = mesh_.element(e);
            const int n = mesh_.cornerCount(e);
            // Shape files want outer rings clockwise, closed by repeating the first vertex.
            const bool reverse = mesh_.signedArea(e) > 0.0;
            double x[5], y[5];
            for (int k = 0; k < n; ++k) {
                const auto node = static_cast<std::size_t>(el[reverse ? (n - k) % n : k]);
                x[k] = mesh_.x()[node];
                y[k] = mesh_.y()[node];
            }
            x[n] = x[0];
            y[n] = y[0];
            SHPObject* obj = SHPCreateSimpleObject(SHPT_POLYGON, n + 1, x, y, nullptr);
            ok = SHPWriteObject(shp, -1, obj) >= 0;
            SHPDestroyObject(obj);
        }
    }
    SHPClose(shp);
    if (!ok) Flumaris::fatal("Unable to create .shp output file '" + name + "'.");
}

int FTShapeWriter::decimalsFor(const std::vector<double>& values) {
    double m = 0.0;
    for (double v : values)
        if (std::isfinite(v)) m = std::max(m, std::abs(v));
    const int intDigits = m < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(m))) + 1;
    // Room for the sign, the point and one more digit should rounding carry over.
    const int room = numberWidth - 2 - (intDigits + 1);
    if (room < 0) return -1;
    return std::min(maxDecimals, room);
}

std::string FTShapeWriter::uniqueName(const std::string& value, const std::string& component, int output,
                                      int index) const {
    const auto taken = [this](const std::string& n) {
        for (const Part& p : parts_)
            for (const Column& c : p.columns)
                if (c.name == n) return true;
        return n == "ext_id";
    };
    // The sub-value and output number stay whole; the value name gives way.
    const std::string suffix = sanitized(component) + fmt::format("_{}", output);
    const auto cut = [&](const std::string& base) {
        const std::size_t room = static_cast<std::size_t>(maxNameLength) - std::min(suffix.size(), std::size_t{9});
        return (base.substr(0, room) + suffix).substr(0, static_cast<std::size_t>(maxNameLength));
    };
    std::string name = cut(sanitized(value));
    if (!taken(name)) return name;
    name = cut(fmt::format("v{}", index + 1));
    if (!taken(name)) return name;
    for (int k = 1;; ++k) {  // last resort, only for very many outputs
        name = fmt::format("c{}", k);
        if (!taken(name)) return name;
    }
}

void FTShapeWriter::writeTime(double time, const std::vector<FTField>& fields) {
    const std::size_t count = mesh_.count(where_);
    ++outputs_;
    std::vector<std::size_t> touched;
    int index = 0;
    for (const FTField& f : fields) {
        FLUM_ASSERT(f.values.size() == count * static_cast<std::size_t>(f.components));
        for (int c = 0; c < f.components; ++c, ++index) {
            if (static_cast<int>(parts_.back().columns.size()) + 1 >= maxFields) startPart();
            Column col;
            col.label = f.columnName(c);
            col.name = uniqueName(f.name, col.label.substr(f.name.size()), outputs_, index);
            col.time = time;
            col.values.resize(count);
            for (std::size_t i = 0; i < count; ++i) col.values[i] = f.value(i, c);
            col.decimals = decimalsFor(col.values);
            if (col.decimals < 0) {
                if (!warnedUnfit_)
                    Flumaris::report(3, "Values of '" + col.label + "' are too large for a .dbf number field of " +
                                            std::to_string(numberWidth) + " characters; they are written as empty.");
                warnedUnfit_ = true;
                col.decimals = 0;
            }
            parts_.back().columns.push_back(std::move(col));
            const std::size_t p = parts_.size() - 1;
            if (touched.empty() || touched.back() != p) touched.push_back(p);
        }
    }
    for (std::size_t p : touched) writeTable(parts_[p]);
}

void FTShapeWriter::writeTable(const Part& part) {
    const std::string finalName = part.stem + ".dbf";
    const std::string tmpStem = part.stem + "_tmp";
    DBFHandle dbf = DBFCreate((tmpStem + ".dbf").c_str());
    if (!dbf) Flumaris::fatal("Unable to create .dbf output file '" + finalName + "'.");
    if (DBFAddField(dbf, "ext_id", FTInteger, idWidth_, 0) < 0) {
        DBFClose(dbf);
        Flumaris::fatal("Unable to add a new integer field 'ext_id' to the .dbf file.");
    }
    for (const Column& c : part.columns)
        if (DBFAddField(dbf, c.name.c_str(), FTDouble, numberWidth, c.decimals) < 0) {
            DBFClose(dbf);
            Flumaris::fatal("Unable to add a new double field '" + c.name + "' to the .dbf file.");
        }
    const auto& ids = where_ == FTLocation::Node ? mesh_.nodeIds() : mesh_.elementIds();
    const std::size_t count = mesh_.count(where_);
    const double limit = std::pow(10.0, numberWidth - 3);
    for (std::size_t i = 0; i < count; ++i) {
        const int rec = static_cast<int>(i);
        if (!DBFWriteIntegerAttribute(dbf, rec, 0, static_cast<int>(ids[i]))) {
            DBFClose(dbf);
            Flumaris::fatal("Writing integer to the .dbf file failed.");
        }
        for (std::size_t k = 0; k < part.columns.size(); ++k) {
            const double v = part.columns[k].values[i];
            const int field = static_cast<int>(k) + 1;
            // dBase has no text for NaN or infinity, nor room for huge numbers: leave those empty.
            const bool ok = std::isfinite(v) && std::abs(v) < limit
                                ? DBFWriteDoubleAttribute(dbf, rec, field, v)
                                : DBFWriteNULLAttribute(dbf, rec, field);
            if (!ok) {
                DBFClose(dbf);
                Flumaris::fatal("Writing data to the .dbf file failed.");
            }
        }
    }
    DBFClose(dbf);
    std::error_code ec;
    std::filesystem::rename(tmpStem + ".dbf", finalName, ec);
    if (ec) Flumaris::fatal("Unable to create .dbf output file '" + finalName + "'.");
}

}  // namespace FLUMtools
