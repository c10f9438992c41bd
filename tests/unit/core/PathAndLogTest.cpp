#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "core/FlumPath.h"
#include "core/OutputRedirector.h"

using namespace Flumaris;

TEST(Paths, BackslashIsASeparator) {
    EXPECT_EQ(normalizePath("dir\\sub\\case.fmc"), "dir/sub/case.fmc");
    EXPECT_EQ(directoryOf("dir\\case.xyz"), "dir");
    EXPECT_EQ(stemOf("dir\\case.xyz"), "case");
    EXPECT_EQ(directoryOf("case.fmc"), ".");
    EXPECT_EQ(stemOf("a.b/c.d.fmc"), "c.d");
    EXPECT_EQ(stemOf("noext"), "noext");
    EXPECT_EQ(joinPath("d", "sub\\m.2dm"), "d/sub/m.2dm");
    EXPECT_EQ(joinPath("d", "/abs/m.2dm"), "/abs/m.2dm");
}

namespace {
std::string slurp(const std::string& p) {
    std::ifstream in(p);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
}  // namespace

TEST(Log, TeesOutputAndClosesCommentBlocks) {
    const auto dir = std::filesystem::temp_directory_path() / "flum_log_test";
    std::filesystem::create_directories(dir);
    const std::string first = (dir / "first.log").string(), second = (dir / "second.log").string();
    auto& r = FLUMtools::OutputRedirector::instance();
    r.openLog(first, "d/first");
    std::cout << "console line\n";
    r.commentFreeWrite("PROJECT {\n}");
    std::cout << "after echo\n";
    r.openLog(second, "d/second");  // closes the first
    std::cout << "second log\n";
    r.closeLog();
    const std::string a = slurp(first);
    EXPECT_EQ(a.rfind("// --------------------------------------------------\n// FLUMARIS log file:\n"
                      "// Version:  2.5.3 R2396\n// fmc file: d/first.fmc\n// started:  ", 0), 0u);
    const auto body = a.find("/*\n");
    ASSERT_NE(body, std::string::npos);
    EXPECT_EQ(a.substr(body), "/*\nconsole line\n*/\nPROJECT {\n}\n/*\nafter echo\n\n*/\n");
    // The started stamp has the C library's 24-character form.
    const auto st = a.find("// started:  ") + 13;
    EXPECT_EQ(a.find('\n', st) - st, 24u);
    EXPECT_NE(slurp(second).find("/*\nsecond log\n\n*/\n"), std::string::npos);
    std::filesystem::remove_all(dir);
}
