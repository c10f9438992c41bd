#include "tools/FTTecplotAsciiWriter.h"

#include "core/FlumAssert.h"

namespace FLUMtools {

FTTecplotAsciiWriter::FTTecplotAsciiWriter(const FTMesh2D& mesh, FTLocation where, const std::string& fileName,
                                           const std::vector<FTField>& layout)
    : mesh_(mesh), where_(where), file_(fileName) {
    fmt::memory_buffer buf;
    fmt::format_to(std::back_inserter(buf), "TITLE = \"FLUMARIS_OUTPUT\" \n");
    fmt::format_to(std::back_inserter(buf), "VARIABLES = \"X\", \"Y\", \"Z\"");
    for (const FTField& f : layout)
        for (int c = 0; c < f.components; ++c) {
            fmt::format_to(std::back_inserter(buf), ", \"{}\"", f.columnName(c));
            ++columns_;
        }
    buf.push_back('\n');
    file_.writeRecord(buf);
}

void FTTecplotAsciiWriter::writeZone(double time, const std::vector<FTField>& fields) {
    const std::size_t n = mesh_.numNodes(), e = mesh_.numElements();
    const std::size_t count = mesh_.count(where_);
    std::size_t columns = 0;
    for (const FTField& f : fields) {
        FLUM_ASSERT(f.values.size() == count * static_cast<std::size_t>(f.components));
        columns += static_cast<std::size_t>(f.components);
    }
    FLUM_ASSERT_MSG(columns == columns_, "zone columns differ from the file's variables");

    fmt::memory_buffer buf;
    auto out = std::back_inserter(buf);
    fmt::format_to(out, "ZONE T=\"{}\" , DATAPACKING = BLOCK, N = {}, E = {}, ZONETYPE=FEQUADRILATERAL", time, n, e);
    if (columns_ > 0) {
        const char* loc = where_ == FTLocation::Node ? "NODAL" : "CELLCENTERED";
        if (columns_ == 1)
            fmt::format_to(out, ", VARLOCATION=([4] = {})", loc);
        else
            fmt::format_to(out, ", VARLOCATION=([4-{}] = {})", 3 + columns_, loc);
    }
    const bool first = zones_ == 0;
    if (!first) fmt::format_to(out, ", VARSHARELIST = ([1, 2]=1), CONNECTIVITYSHAREZONE = 1");
    buf.push_back('\n');

    if (first) {
        for (double v : mesh_.x()) fmt::format_to(out, "{}\n", v);
        for (double v : mesh_.y()) fmt::format_to(out, "{}\n", v);
    }
    for (double v : mesh_.z()) fmt::format_to(out, "{}\n", v);
    for (const FTField& f : fields)
        for (int c = 0; c < f.components; ++c)
            for (std::size_t i = 0; i < count; ++i) fmt::format_to(out, "{}\n", f.value(i, c));
    if (first) {
        const auto map = mesh_.quadNodeMap(true);
        for (std::size_t k = 0; k < map.size(); k += 4)
            fmt::format_to(out, "{} {} {} {}\n", map[k], map[k + 1], map[k + 2], map[k + 3]);
    }
    file_.writeRecord(buf);
    ++zones_;
}

}  // namespace FLUMtools
