#include "tools/FTAsciiWriter.h"

#include "core/FlumAssert.h"

namespace FLUMtools {

namespace {
constexpr const char* separator = " \t";
}

FTAsciiWriter::FTAsciiWriter(const FTMesh2D& mesh, FTLocation where, const std::string& fileName,
                             bool idsInsteadOfCoords, const std::vector<FTField>& layout)
    : mesh_(mesh), where_(where), ids_(idsInsteadOfCoords), file_(fileName) {
    fmt::memory_buffer buf;
    auto out = std::back_inserter(buf);
    if (where == FTLocation::Node)
        fmt::format_to(out, " Number of Nodes: {}\n", mesh.numNodes());
    else
        fmt::format_to(out, " Number of Elements: {}\n", mesh.numElements());
    // The '#' takes the first character of the first column.
    if (ids_)
        fmt::format_to(out, "#{:>{}}", "ID", columnWidth - 1);
    else
        fmt::format_to(out, "#{:>{}}{}{:>{}}{}{:>{}}", "X", columnWidth - 1, separator, "Y", columnWidth, separator, "Z",
                       columnWidth);
    for (const FTField& f : layout)
        for (int c = 0; c < f.components; ++c) {
            fmt::format_to(out, "{}{:>{}}", separator, f.columnName(c), columnWidth);
            ++columns_;
        }
    buf.push_back('\n');
    file_.writeRecord(buf);
}

void FTAsciiWriter::writeTime(double time, const std::vector<FTField>& fields) {
    const std::size_t count = mesh_.count(where_);
    std::size_t columns = 0;
    for (const FTField& f : fields) {
        FLUM_ASSERT(f.values.size() == count * static_cast<std::size_t>(f.components));
        columns += static_cast<std::size_t>(f.components);
    }
    FLUM_ASSERT_MSG(columns == columns_, "output columns differ from the file's header");
    const bool node = where_ == FTLocation::Node;
    const auto& ids = node ? mesh_.nodeIds() : mesh_.elementIds();

    fmt::memory_buffer buf;
    auto out = std::back_inserter(buf);
    fmt::format_to(out, " Output at t = {}\n", time);
    for (std::size_t i = 0; i < count; ++i) {
        if (ids_) {
            fmt::format_to(out, "{:>{}}", ids[i], columnWidth);
        } else {
            const double x = node ? mesh_.x()[i] : mesh_.centreX(i);
            const double y = node ? mesh_.y()[i] : mesh_.centreY(i);
            const double z = node ? mesh_.z()[i] : mesh_.centreZ(i);
            fmt::format_to(out, "{:{}.4f}{}{:{}.4f}{}{:{}.4f}", x, columnWidth, separator, y, columnWidth, separator, z,
                           columnWidth);
        }
        for (const FTField& f : fields)
            for (int c = 0; c < f.components; ++c)
                fmt::format_to(out, "{}{:{}.7e}", separator, f.value(i, c), columnWidth);
        buf.push_back('\n');
    }
    file_.writeRecord(buf);
}

}  // namespace FLUMtools
