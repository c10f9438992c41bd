#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "GoldenFile.h"
#include "input/blocks/FlumarisInputRoot.h"
#include "input/blocks/IRGeo1DInputRoot.h"
#include "input/doc/CreateDocumentation.h"

using namespace FLUMparse;

namespace {
size_t count(const std::string& s, const std::string& what) {
    size_t n = 0;
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
    return n;
}
}  // namespace

TEST(Documentation, EscapesUsageText) {
    EXPECT_EQ(CreateDocumentation::escape("0 <= x < 1 & y >= 2 > z"), "0 &le; x &lt; 1 &amp; y &ge; 2 &gt; z");
}

TEST(Documentation, PagesAreWrittenWithoutACommandFile) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("flum_doc_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    createDocumentation(dir.string() + "/");
    for (const char* name : {"doc_FLUMARIS.html", "doc_FLUMCHAIN_GEOMETRY.html"}) EXPECT_TRUE(fs::exists(dir / name));

    std::ifstream in(dir / "doc_FLUMARIS.html");
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string html = ss.str();
    fs::remove_all(dir);

    EXPECT_EQ(html.rfind("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\"", 0), 0u);
    EXPECT_NE(html.find("<title>FLUMARIS Input Reference</title>"), std::string::npos);
    EXPECT_NE(html.find("FLUMARIS Reference Manual: Description of Command File Structure and Parameters"),
              std::string::npos);
    // Every block of the schema has its section, its anchor and an entry in the block list.
    FlumarisInputRoot root;
    size_t blocks = 0;
    std::function<void(const InputBlock&)> walk = [&](const InputBlock& b) {
        for (const auto& c : b.blockDefinitions()) {
            ++blocks;
            std::string anchor = c->path();
            std::replace(anchor.begin(), anchor.end(), '/', '.');
            EXPECT_EQ(count(html, "<a id=\"block_" + anchor + "\">"), 1u) << anchor;
            // Block list, the parent's inner blocks, the super-block row of each child.
            const size_t links = 1 + (b.parent() ? 1 : 0) + c->blockDefinitions().size();
            EXPECT_EQ(count(html, "href=\"#block_" + anchor + "\""), links) << anchor;
            walk(*c);
        }
    };
    walk(root.schema());
    EXPECT_GT(blocks, 95u);
    EXPECT_EQ(count(html, "<!--PAGEBREAKHERE-->"), blocks);
    EXPECT_EQ(count(html, "<div"), count(html, "</div>"));
    EXPECT_NE(html.find("<tr><td><b>max_time_level</b></td><td>integer</td><td></td><td></td><td></td><td>32</td>"
                        "<td>32, 16, 8, 4, 2, 1</td></tr>"),
              std::string::npos);
    EXPECT_NE(html.find("<td><b>upstream_subdomain</b></td><td>string</td><td></td><td>required if 'type' is "
                        "'sequential' or 'bifurcation' or 'riemann'</td>"),
              std::string::npos);
    EXPECT_NE(html.find("gravity = &lt;real&gt; [m/s2], x &ge; 0, default: 9.81"), std::string::npos);
}

TEST(Documentation, GeometryPage) {
    IRGeo1DInputRoot geo;
    expectGolden("input_doc_FLUMCHAIN_GEOMETRY.html", CreateDocumentation::page(geo.schema()));
}
