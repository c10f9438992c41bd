#include <gtest/gtest.h>

#include <fstream>

#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

#include <fmt/format.h>

#include "core/MessageService.h"
#include "physics/series/BoundaryControlledSerie.h"
#include "physics/series/BoundarySerie.h"
#include "physics/series/BoundarySerieIntegration.h"

using namespace Flumaris;

namespace {

using Pairs = std::vector<BoundarySerie::Pair>;

const std::string kDir = std::string(FLUM_TEST_DATA) + "/physics/series/";

std::string fatalText(const std::function<void()>& call) {
    try {
        call();
    } catch (const FatalError& e) {
        return e.what();
    }
    return "<no error>";
}

BoundarySerie hydrograph() { return BoundarySerie(Pairs{{0.0, 10.0}, {100.0, 20.0}, {200.0, 0.0}}); }

}  // namespace

TEST(BoundarySerie, ValueAtAndBetweenPairs) {
    const BoundarySerie s = hydrograph();
    EXPECT_DOUBLE_EQ(s.getValue(0.0), 10.0);
    EXPECT_DOUBLE_EQ(s.getValue(100.0), 20.0);
    EXPECT_DOUBLE_EQ(s.getValue(50.0), 15.0);   // midway: the mean of both
    EXPECT_DOUBLE_EQ(s.getValue(175.0), 5.0);
    EXPECT_DOUBLE_EQ(s.getValue(200.0), 0.0);
    EXPECT_DOUBLE_EQ(s.getValue(1.0e6), 0.0);   // the last value holds
}

TEST(BoundarySerie, ValueBeforeFirstPairIsFatal) {
    const BoundarySerie s(Pairs{{10.0, 1.0}, {20.0, 2.0}});
    EXPECT_EQ(fatalText([&] { s.getValue(9.5); }),
              "x-value (usually = time) smaller than first x-value of boundary serie! (x-value: 9.5 first value: 10)\n"
              "Error at the definition of the boundary serie.\n"
              "The value is smaller than the smallest value of Boundary condition.");
    EXPECT_EQ(fatalText([] { BoundarySerie().getValue(0.0); }), "There was no data pair found in the boundary serie.");
}

TEST(BoundarySerie, ReadsTwoColumnFile) {
    const BoundarySerie s(kDir + "hydrograph.txt");
    ASSERT_EQ(s.getSize(), 3u);
    EXPECT_DOUBLE_EQ(s.getMaxTime(), 100000.0);
    EXPECT_DOUBLE_EQ(s.getValue(25000.0), 11.0);
    EXPECT_DOUBLE_EQ(s.getValue(75000.0), 11.5);
    EXPECT_EQ(fatalText([] { BoundarySerie b(kDir + "three_columns.txt"); }),
              "in file " + kDir + "three_columns.txt: a boundary serie needs exactly two columns, but found 3 columns.");
    EXPECT_EQ(fatalText([] { BoundarySerie b(kDir + "one_column.txt"); }),
              "in file " + kDir + "one_column.txt: XY data must have at two columns");
}

TEST(BoundarySerie, Slope) {
    const BoundarySerie s = hydrograph();
    EXPECT_DOUBLE_EQ(s.calculateSlope(50.0), 0.1);
    EXPECT_DOUBLE_EQ(s.calculateSlope(100.0), -0.2);  // a pair starts the next interval
    EXPECT_DOUBLE_EQ(s.calculateSlope(500.0), -0.2);  // after the end: the last interval
    EXPECT_DOUBLE_EQ(s.calculateSlope(-1.0), 0.1);
    EXPECT_EQ(fatalText([] { BoundarySerie(Pairs{{0.0, 1.0}}).calculateSlope(0.0); }),
              "No slope in boundary serie can be calclated. Series has only one value!");
    BoundarySerie dup;
    dup.addValuesNoCheck(0.0, 1.0);
    dup.addValuesNoCheck(0.0, 2.0);
    EXPECT_EQ(fatalText([&] { dup.calculateSlope(5.0); }), "Division by zero in slope calculation in boundary serie!");
}

TEST(BoundarySerie, ExactLookUpMovesForwardOnly) {
    BoundarySerie s(Pairs{{0.0, 1.0}, {10.0, 2.0}, {20.0, 3.0}, {30.0, 4.0}});
    EXPECT_DOUBLE_EQ(s.getValueAtTime(10.0 + 1e-6), 2.0);
    EXPECT_DOUBLE_EQ(s.getValueAtTime(10.0), 2.0);  // the cursor stays on the pair found
    EXPECT_DOUBLE_EQ(s.getValueAtTime(30.0 - 1e-6), 4.0);
    // Not within 1e-5 of any stored time: the search runs to the end.
    EXPECT_EQ(fatalText([&] { s.getValueAtTime(30.0 + 1e-4); }),
              "There was no data pair found\nin the boundary serie at time '30.0001'.\nThe program cannot continue.");
    // Behind the cursor nothing is found any more.
    EXPECT_EQ(fatalText([&] { s.getValueAtTime(0.0); }),
              "There was no data pair found\nin the boundary serie at time '0'.\nThe program cannot continue.");
    EXPECT_DOUBLE_EQ(s.getValueAtTime(30.0), 4.0);
    EXPECT_EQ(fatalText([] { BoundarySerie().getValueAtTime(0.0); }),
              "There was no data pair found in the boundary serie.");
}

TEST(BoundarySerie, SetUpCheck) {
    EXPECT_EQ(fatalText([] { BoundarySerie(Pairs{{0.0, 1.0}}).checkBoundarySerie(0.0); }),
              "Error at the definition of the boundary serie.\nA boundary serie must have at least two pairs of "
              "values! \nPlease correct and complete the used boundary serie.");
    EXPECT_EQ(fatalText([] { BoundarySerie(Pairs{{0.0, 1.0}, {5.0, 1.0}, {5.0, 2.0}}).checkBoundarySerie(1.0); }),
              "Error within your boundary serie. The x-value 5 in row 2 is larger than or equal to the x-value 5 in "
              "row 3. The x-values (usually times) must increase from row to row. Please check your series file!");
    EXPECT_EQ(fatalText([] { BoundarySerie(Pairs{{0.0, 1.0}, {-2.5, 2.0}}).checkBoundarySerie(1.0); }),
              "Error within your boundary serie. The x-value 0 in row 1 is larger than or equal to the x-value -2.5 "
              "in row 2. The x-values (usually times) must increase from row to row. Please check your series file!");
    // Read from a file, the rows are named by their lines (comments and blank lines counted).
    const std::string file = testing::TempDir() + "flum_unsorted.txt";
    std::ofstream(file) << "// t Q\n0 1\n\n60 2 // peak\n# falls\n30 1\n";
    EXPECT_EQ(fatalText([&] { BoundarySerie(file).checkBoundarySerie(1.0); }),
              "Error within your boundary serie. The x-value 60 in row 2 is larger than or equal to the x-value 30 in "
              "row 3 (file '" + file + "', lines 4 and 6). The x-values (usually times) must increase from row to "
              "row. Please check your series file!");

    const BoundarySerie s = hydrograph();
    testing::internal::CaptureStdout();
    s.checkBoundarySerie(200.0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    testing::internal::CaptureStdout();
    s.checkBoundarySerie(250.0);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("(t = '250')"), std::string::npos) << out;
    EXPECT_NE(out.find("(tmax = '200')"), std::string::npos) << out;
}

TEST(BoundarySerie, AppendingDuringTheRun) {
    BoundarySerie s;
    s.addValues(0.0, 1.0);
    s.addDoublePair({5.0, 2.0});
    s.addValues(7.5, 3.0);
    EXPECT_EQ(s.getSize(), 3u);
    EXPECT_DOUBLE_EQ(s.getValue(6.25), 2.5);
    const std::string equal =
        "Error adding value to boundary serie.\nThe x-value '7.5' is smaller or equal to '7.5'.\n"
        "But values must be increasing in time!";
    EXPECT_EQ(fatalText([&] { s.addValues(7.5, 9.0); }), equal);
    EXPECT_EQ(fatalText([&] { s.addDoublePair({7.5, 9.0}); }), equal);
    EXPECT_EQ(s.getSize(), 3u);
    s.addValuesNoCheck(1.0, 9.0);
    EXPECT_EQ(s.getSize(), 4u);
}

TEST(BoundarySerie, IntervalValuesInterpolateTheEnds) {
    const BoundarySerie s(Pairs{{0.0, 0.0}, {10.0, 10.0}, {20.0, 10.0}, {30.0, 0.0}});
    using P = BoundarySerie::Pair;
    EXPECT_EQ(s.getIntervalValues(5.0, 25.0), (std::vector<P>{{5.0, 5.0}, {10.0, 10.0}, {20.0, 10.0}, {25.0, 5.0}}));
    // stored pairs on the ends are not repeated
    EXPECT_EQ(s.getIntervalValues(10.0, 20.0), (std::vector<P>{{10.0, 10.0}, {20.0, 10.0}}));
    EXPECT_EQ(s.getIntervalValues(40.0, 50.0), (std::vector<P>{{40.0, 0.0}, {50.0, 0.0}}));
}

TEST(BoundarySerie, IntegratedMeanOverAStep) {
    // Each interval of the step is weighted with the value at its right end.
    const BoundarySerieIntegration s(Pairs{{0.0, 0.0}, {10.0, 10.0}, {20.0, 10.0}, {30.0, 0.0}});
    EXPECT_DOUBLE_EQ(s.getValue(0.0, 10.0), 10.0);              // 10*10 / 10
    EXPECT_DOUBLE_EQ(s.getValue(5.0, 10.0), 10.0);              // (5*10 + 5*10) / 10
    EXPECT_DOUBLE_EQ(s.getValue(15.0, 10.0), 7.5);              // (5*10 + 5*5) / 10
    EXPECT_DOUBLE_EQ(s.getValue(0.0, 30.0), 20.0 / 3.0);        // (100 + 100 + 0) / 30
    EXPECT_DOUBLE_EQ(s.getValue(40.0, 5.0), 0.0);               // after the end
    EXPECT_DOUBLE_EQ(s.getValue(25.0, 0.0), 5.0);               // no step: point value
    EXPECT_DOUBLE_EQ(s.getValue(25.0), 5.0);
    const BoundarySerie& base = s;                              // virtual through the base
    EXPECT_DOUBLE_EQ(base.getValue(5.0, 10.0), 10.0);
    EXPECT_THROW(s.getValue(-1.0, 2.0), FatalError);
}

TEST(BoundarySerie, RunningMean) {
    const BoundarySerie s(Pairs{{0.0, 1.0}, {1.0, 2.0}, {2.0, 3.0}, {3.0, 4.0}});
    EXPECT_DOUBLE_EQ(s.getRunningMean(10.0, 2), 17.0 / 3.0);  // (10 + 4 + 3) / 3
    EXPECT_DOUBLE_EQ(s.getRunningMean(10.0, 10), 4.0);        // all four pairs: 20 / 5
    EXPECT_DOUBLE_EQ(s.getRunningMean(10.0, 0), 10.0);
    EXPECT_DOUBLE_EQ(BoundarySerie().getRunningMean(3.0, 5), 3.0);
}

TEST(BoundarySerie, PrintedSerieReadsBackExactly) {
    const auto dir = std::filesystem::temp_directory_path() / fmt::format("flum_bserie_{}", ::getpid());
    std::filesystem::create_directories(dir);
    const BoundarySerie s(Pairs{{0.0, 0.1}, {1.0 / 3.0, 2e-7}, {86400.5, -12345.678}});
    const std::string name = s.printSerie((dir / "out").string());
    EXPECT_EQ(name, (dir / "out.txt").string());
    EXPECT_EQ(s.printSerie(name), name);
    const BoundarySerie back(name);
    EXPECT_EQ(back.getPairs(), s.getPairs());
    EXPECT_EQ(fatalText([&] { s.printSerie((dir / "missing" / "out").string()); }),
              "Could not open file '" + (dir / "missing" / "out.txt").string() + "' for writing");
    std::filesystem::remove_all(dir);
}

TEST(BoundaryControlledSerie, ValueComesFromTheController) {
    BoundaryControlledSerie c(3, 1);
    c.setNewValue(1, 4.25);
    c.setNewValue(2, 7.0);
    EXPECT_DOUBLE_EQ(c.getValue(123.0), 4.25);
    EXPECT_DOUBLE_EQ(c.getValue(0.0, 5.0), 4.25);
    c.setIndex(2);
    const BoundarySerie& base = c;
    EXPECT_DOUBLE_EQ(base.getValue(0.0), 7.0);
}

TEST(BoundaryControlledSerie, PairOperationsAreInternalErrors) {
    BoundaryControlledSerie c;
    BoundarySerie& s = c;
    const std::vector<std::pair<std::string, std::function<void()>>> calls = {
        {"getValueAtTime", [&] { s.getValueAtTime(0.0); }},
        {"calculateSlope", [&] { s.calculateSlope(0.0); }},
        {"checkBoundarySerie", [&] { s.checkBoundarySerie(0.0); }},
        {"addDoublePair", [&] { s.addDoublePair({0.0, 0.0}); }},
        {"getIntervalValues", [&] { s.getIntervalValues(0.0, 1.0); }},
        {"addValues", [&] { s.addValues(0.0, 0.0); }},
        {"addValuesNoCheck", [&] { s.addValuesNoCheck(0.0, 0.0); }},
        {"getSize", [&] { s.getSize(); }},
        {"printSerie", [&] { s.printSerie("x"); }},
        {"getMaxTime", [&] { s.getMaxTime(); }},
    };
    for (const auto& [name, call] : calls)
        EXPECT_EQ(fatalText(call), "Error in BoundarySeries (internal error).\n" + name +
                                       " is not available\nThe call to the respective function is senseless within "
                                       "the controlled series class.\nPlease fix the error or submit a bug report.");
}
