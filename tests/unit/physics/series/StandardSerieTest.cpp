#include <gtest/gtest.h>

#include <string>

#include "core/MessageService.h"
#include "physics/series/StandardSerie.h"

using namespace Flumaris;

namespace {

using Rows = std::vector<std::vector<double>>;

const std::string kDir = std::string(FLUM_TEST_DATA) + "/physics/series/";

std::string fatalText(const auto& call) {
    try {
        call();
    } catch (const FatalError& e) {
        return e.what();
    }
    return "<no error>";
}

}  // namespace

TEST(StandardSerie, InterpolatesEachColumn) {
    const StandardSerie s(Rows{{0.0, 10.0, 100.0}, {10.0, 20.0, 50.0}, {30.0, 0.0, 50.0}});
    EXPECT_EQ(s.getSize(), 3u);
    EXPECT_EQ(s.getNumberOfColumns(), 3u);
    // at the points
    EXPECT_DOUBLE_EQ(s.getValue(10.0, 1), 20.0);
    EXPECT_DOUBLE_EQ(s.getValue(10.0, 2), 50.0);
    // between: w = 0.25 in the first interval, 0.5 in the second
    EXPECT_DOUBLE_EQ(s.getValue(2.5, 1), 12.5);
    EXPECT_DOUBLE_EQ(s.getValue(2.5, 2), 87.5);
    EXPECT_DOUBLE_EQ(s.getValue(20.0, 1), 10.0);
    EXPECT_DOUBLE_EQ(s.getValue(20.0), 10.0);
    // outside the range the end values hold
    EXPECT_DOUBLE_EQ(s.getValue(-5.0, 1), 10.0);
    EXPECT_DOUBLE_EQ(s.getValue(1e9, 2), 50.0);
}

TEST(StandardSerie, SingleRowIsConstant) {
    const StandardSerie s(Rows{{5.0, 7.0}});
    EXPECT_DOUBLE_EQ(s.getValue(0.0), 7.0);
    EXPECT_DOUBLE_EQ(s.getValue(5.0), 7.0);
    EXPECT_DOUBLE_EQ(s.getValue(9.0), 7.0);
}

TEST(StandardSerie, ReadsFileWithColumnNames) {
    const StandardSerie s(kDir + "table_crlf.txt");
    EXPECT_EQ(s.getSize(), 4u);
    EXPECT_EQ(s.findColumn("Q2"), 2u);
    EXPECT_EQ(s.findColumn("wse"), 0u);  // the abscissa is no value column
    EXPECT_EQ(s.findColumn("none"), 0u);
    EXPECT_DOUBLE_EQ(s.getValue(0.5, s.findColumn("Q1")), 12.5);
}

TEST(StandardSerie, FileAndTableErrorsAreFatal) {
    EXPECT_EQ(fatalText([] { StandardSerie s(kDir + "only_comments.txt"); }),
              "in file " + kDir + "only_comments.txt: XY data must have at least one row");
    EXPECT_EQ(fatalText([] { StandardSerie s(Rows{}); }), "XY data must have at least one row");
    EXPECT_EQ(fatalText([] { StandardSerie s(Rows{{1.0}, {2.0}}); }), "XY data must have at two columns");
}
