#include "plane/mesh/FPInputSMS.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <fmt/format.h>
#include <new>
#include <stdexcept>
#include <string_view>

#include "core/FlumPath.h"
#include "core/MessageService.h"
#include "plane/mesh/FPGrid.h"

namespace FlumPlane {

namespace {

std::string readWholeFile(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        Flumaris::fatal("Error: The grid file '" + path +
                                "' could not be opened.\nPlease check the file name in the GEOMETRY block.");
        return {};
    }
    std::string text;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        if (size > 0) text.reserve(static_cast<std::size_t>(size));
        std::rewind(f);
    }
    char buf[1 << 16];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
    return text;
}

// Walks the lines of a text held in memory, counting them from 1.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool next(std::string_view& line)
    {
        if (pos_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++number_;
        return true;
    }
    std::size_t number() const { return number_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t number_ = 0;
};

// Whitespace-separated fields of one card.
class Fields {
public:
    explicit Fields(std::string_view line) : s_(line) {}
    bool skip()
    {
        std::string_view w;
        return word(w);
    }
    bool word(std::string_view& w)
    {
        while (p_ < s_.size() && isSpace(s_[p_])) ++p_;
        if (p_ >= s_.size()) return false;
        const std::size_t b = p_;
        while (p_ < s_.size() && !isSpace(s_[p_])) ++p_;
        w = s_.substr(b, p_ - b);
        return true;
    }
    bool integer(int& v)
    {
        std::string_view w;
        if (!word(w)) return false;
        auto r = std::from_chars(w.data(), w.data() + w.size(), v);
        return r.ec == std::errc() && r.ptr == w.data() + w.size();
    }
    bool number(double& v)
    {
        std::string_view w;
        if (!word(w)) return false;
        const char* b = w.data();
        if (*b == '+') ++b;
        auto r = std::from_chars(b, w.data() + w.size(), v);
        if (r.ec == std::errc::result_out_of_range && r.ptr == w.data() + w.size()) {
            // Kept as the huge or tiny value it is, so that the card is named for it.
            v = std::strtod(std::string(w).c_str(), nullptr);
            return true;
        }
        return r.ec == std::errc() && r.ptr == w.data() + w.size();
    }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
    std::string_view s_;
    std::size_t p_ = 0;
};

// Control characters that no text mesh holds (tabs, line and form feeds are text).
bool isBinary(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f') || c == 0x7f; }

std::string location(const std::string& file, std::size_t line)
{
    return "in file '" + file + "', line " + std::to_string(line);
}

bool isNodeCard(std::string_view l) { return l.size() >= 2 && l[0] == 'N' && l[1] == 'D'; }
bool isElementCard(std::string_view l) { return l.size() >= 2 && l[0] == 'E' && (l[1] == '3' || l[1] == '4'); }

[[noreturn]] void outOfMemory(const char* what, std::size_t count)
{
    Flumaris::fatal(fmt::format("The grid size exceeds the available memory capacities.\n{}{}"
                                    "\nThe grid could not be initialized, not enough memory.",
                                    what, count));
    throw std::bad_alloc();  // not reached: a level-1 report throws
}

}  // namespace

std::string InputSMS::edgeFileOf(const std::string& meshFile)
{
    return Flumaris::joinPath(Flumaris::directoryOf(meshFile), Flumaris::stemOf(meshFile) + ".edg");
}

void InputSMS::read(const std::string& fileName, Grid& grid)
{
    const std::string path = Flumaris::normalizePath(fileName);
    parse(readWholeFile(path), path, grid);
    grid.writeEdgeFile(edgeFileOf(path));

    GridQualityCheck check(grid, GridQualityCheck::errFileOf(path), thresholds_);
    checkResult_ = check.run();
}

void InputSMS::parse(const std::string& text, const std::string& path, Grid& grid)
{
    Flumaris::report(5, "Reserving the vectors for nodes, elements & edges");
    std::size_t nNodes = 0, nElements = 0;
    {
        LineReader lines(text);
        std::string_view l;
        while (lines.next(l)) {
            for (const char c : l)
                if (isBinary(static_cast<unsigned char>(c)))
                    Flumaris::fatal("Error: The grid file '" + path + "' is not a 2dm mesh: line " +
                                            std::to_string(lines.number()) +
                                            " holds binary data.\nPlease give the 2dm mesh (a text file of ND, E3T "
                                            "and E4Q cards) in the GEOMETRY block.");
            if (isNodeCard(l)) ++nNodes;
            else if (isElementCard(l)) ++nElements;
        }
    }
    if (nElements == 0)
        Flumaris::fatal("Error: The grid file '" + path + "' holds no elements (no E3T or E4Q cards; " +
                                std::to_string(nNodes) +
                                " ND cards).\nIt is empty or not a 2dm mesh. Please give the 2dm mesh in the "
                                "GEOMETRY block.");
    const std::size_t nEdges = nNodes + nElements + 200;
    try {
        grid.reserve(nNodes + 10, 0, 0);
    } catch (const std::bad_alloc&) {
        outOfMemory("Nr nodes: ", nNodes);
    } catch (const std::length_error&) {
        outOfMemory("Nr nodes: ", nNodes);
    }
    try {
        grid.reserve(nNodes + 10, nElements + 10, 0);
    } catch (const std::bad_alloc&) {
        outOfMemory("Nr elements: ", nElements);
    } catch (const std::length_error&) {
        outOfMemory("Nr elements: ", nElements);
    }
    try {
        grid.reserve(nNodes + 10, nElements + 10, nEdges);
    } catch (const std::bad_alloc&) {
        outOfMemory("Nr edges: ", nEdges);
    } catch (const std::length_error&) {
        outOfMemory("Nr edges: ", nEdges);
    }

    Flumaris::report(5, "InputSMS: Reading the Nodes");
    {
        LineReader lines(text);
        std::string_view l;
        while (lines.next(l)) {
            if (!isNodeCard(l)) continue;
            Fields f(l);
            int id = 0;
            double x = 0.0, y = 0.0, z = 0.0;
            if (!(f.skip() && f.integer(id) && f.number(x) && f.number(y) && f.number(z)))
                Flumaris::fatal("Error occured reading the nodes from the grid file!\nThe card '" +
                                        std::string(l) + "' " + location(path, lines.number()) +
                                        " is not of the form 'ND id x y z'.");
            if (!(std::isfinite(x) && std::isfinite(y) && std::isfinite(z)))
                Flumaris::fatal(fmt::format("Error in the grid file '{}' at line {}: node {} has a coordinate or "
                                                "elevation that is not a finite number (x = {}, y = {}, z = {}).\n"
                                                "Please correct the ND card.",
                                                path, lines.number(), id, x, y, z));
            if (grid.nodeIndexOfId(id) != Grid::kNone)
                Flumaris::fatal("The node id " + std::to_string(id) +
                                        " is used twice in the grid file!\nEvery node needs its own id. See the "
                                        "card '" + std::string(l) + "' " + location(path, lines.number()) + ".");
            grid.addNode(id, x, y, z);
        }
    }
    Flumaris::report(5, fmt::format("InputSMS: Number of Nodes = {}", grid.numNodes()));

    Flumaris::report(5, "InputSMS: Reading the Elements ");
    {
        LineReader lines(text);
        std::string_view l;
        while (lines.next(l)) {
            if (!isElementCard(l)) continue;
            const int nn = l[1] == '3' ? 3 : 4;
            Fields f(l);
            int id = 0;
            int nodeIds[4] = {0, 0, 0, 0};
            int nodes[4] = {0, 0, 0, 0};
            double material = 0.0;
            bool ok = f.skip() && f.integer(id);
            for (int k = 0; ok && k < nn; ++k) ok = f.integer(nodeIds[k]);
            ok = ok && f.number(material);
            if (!ok)
                Flumaris::fatal("Error occured reading the elements from the grid file!\nThe card '" +
                                        std::string(l) + "' " + location(path, lines.number()) +
                                        " is not of the form '" + (nn == 3 ? "E3T id n1 n2 n3" : "E4Q id n1 n2 n3 n4") +
                                        " material'.");
            for (int k = 0; k < nn; ++k) {
                nodes[k] = grid.nodeIndexOfId(nodeIds[k]);
                if (nodes[k] == Grid::kNone)
                    Flumaris::fatal("Error occured reading the elements from the grid file!\nIn file '" + path +
                                            "', line " + std::to_string(lines.number()) + ": element #" +
                                            std::to_string(id) + " refers to node " + std::to_string(nodeIds[k]) +
                                            ", which no ND card defines.");
            }
            // The index is the truncated number; beyond an int it has none.
            if (!(std::fabs(material) < 2147483647.0))
                Flumaris::fatal("Error occured reading the elements from the grid file!\nIn file '" + path +
                                        "', line " + std::to_string(lines.number()) + ": element #" +
                                        std::to_string(id) + " has the material " + fmt::format("{}", material) +
                                        ", which is no material index.");
            grid.addElement(id, std::span<const int>(nodes, nn), static_cast<int>(material));
        }
    }
    Flumaris::report(5, fmt::format("InputSMS: Number of Elements = {}", grid.numElements()));

    Flumaris::report(5, "InputSMS: Finding the Edges");
    grid.buildEdges();
    Flumaris::report(5, fmt::format("InputSMS: Number of Edges = {}", grid.numEdges()));
    Flumaris::report(5, fmt::format("InputSMS: Total mesh area = {}", grid.totalArea()));
}

}  // namespace FlumPlane
