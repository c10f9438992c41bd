#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include <fmt/format.h>

#include "physics/series/SerieFileReader.h"

using namespace Flumaris;

namespace {

const std::string kDir = std::string(FLUM_TEST_DATA) + "/physics/series/";

std::string parseError(const std::string& text) {
    SerieTable table;
    std::string message;
    EXPECT_FALSE(SerieFileReader::parse(text.data(), text.data() + text.size(), "mem.txt", table, message));
    return message;
}

SerieTable parseOk(const std::string& text) {
    SerieTable table;
    std::string message;
    EXPECT_TRUE(SerieFileReader::parse(text.data(), text.data() + text.size(), "mem.txt", table, message))
        << message;
    return table;
}

}  // namespace

TEST(SerieFileReader, ReadsTheDocumentedHydrograph) {
    SerieTable table;
    std::string message;
    ASSERT_TRUE(SerieFileReader::read(kDir + "hydrograph.txt", table, message)) << message;
    ASSERT_EQ(table.numberOfColumns(), 2u);
    EXPECT_EQ(table.columns[0], (std::vector<double>{0.0, 50000.0, 100000.0}));
    EXPECT_EQ(table.columns[1], (std::vector<double>{10.0, 12.0, 11.0}));
    EXPECT_EQ(table.names, (std::vector<std::string>{"Time", "Q"}));
}

TEST(SerieFileReader, CommentsSeparatorsAndLineEnds) {
    // CRLF ends, blank and tab-only lines, trailing comments, a lone slash as
    // separator, a leading plus sign, exponents and no newline at the end.
    SerieTable table;
    std::string message;
    ASSERT_TRUE(SerieFileReader::read(kDir + "table_crlf.txt", table, message)) << message;
    ASSERT_EQ(table.numberOfColumns(), 3u);
    EXPECT_EQ(table.columns[0], (std::vector<double>{0.0, 1.0, 2.5, 3.0}));
    EXPECT_EQ(table.columns[1], (std::vector<double>{10.0, 15.0, -0.1, 30.0}));
    EXPECT_EQ(table.columns[2], (std::vector<double>{20.0, 25.5, 0.5, 40.0}));
    EXPECT_EQ(table.names, (std::vector<std::string>{"wse", "Q1", "Q2"}));
}

TEST(SerieFileReader, HeaderWordsBeforeTheDataNameTheColumns) {
    const SerieTable t = parseOk("\xEF\xBB\xBFTime Q\n0 1\n1 2\n");
    EXPECT_EQ(t.names, (std::vector<std::string>{"Time", "Q"}));
    EXPECT_EQ(t.numberOfRows(), 2u);
}

TEST(SerieFileReader, ColumnCountErrorsNameTheFile) {
    SerieTable table;
    std::string message;
    EXPECT_FALSE(SerieFileReader::read(kDir + "short_line.txt", table, message));
    EXPECT_EQ(message,
              "in file " + kDir + "short_line.txt, line 4: I expected a line with 2 numbers, but found 1 numbers.");
    EXPECT_FALSE(SerieFileReader::read(kDir + "long_line.txt", table, message));
    EXPECT_EQ(message,
              "in file " + kDir + "long_line.txt, line 3: i expected a line with 2 numbers, but found more than that!");

    // A word in the middle of the data ends the numbers of its line; lines
    // count from 1 with comments and blank lines.
    EXPECT_EQ(parseError("0 1\nabc\n"), "in file mem.txt, line 2: I expected a line with 2 numbers, but found 0 numbers.");
    EXPECT_EQ(parseError("// t Q\n\n0 1\n2 x 3\n"),
              "in file mem.txt, line 4: I expected a line with 2 numbers, but found 1 numbers.");
    EXPECT_EQ(parseError("0 1\r\n2 1,5\r\n"), "in file mem.txt, line 2: I expected a line with 2 numbers, but found 1 numbers.");
}

TEST(SerieFileReader, NonFiniteNumbersAreErrorsWithTheirLine) {
    const std::string tail = " is not a finite number.\nPlease write a number there (no nan, no inf, at most about "
                             "1e308 in magnitude).";
    EXPECT_EQ(parseError("0 1\n2 inf\n"), "in file mem.txt, line 2: 'inf'" + tail);
    EXPECT_EQ(parseError("// t Q\n0 NaN\n"), "in file mem.txt, line 2: 'NaN'" + tail);  // even on the first data line
    EXPECT_EQ(parseError("0 1\n-Infinity 2\n"), "in file mem.txt, line 2: '-Infinity'" + tail);
    EXPECT_EQ(parseError("0 1\n\n5 1e400\n"), "in file mem.txt, line 3: '1e400'" + tail);
    EXPECT_EQ(parseError("0 1\n5 +1E999\n"), "in file mem.txt, line 2: '+1E999'" + tail);
    // Too small for a double is zero, not an error; a word that merely starts
    // like one ("information") still ends the numbers of its line.
    const SerieTable t = parseOk("0 1e-400\n1 2 information\n");
    EXPECT_EQ(t.columns[1], (std::vector<double>{0.0, 2.0}));
    EXPECT_EQ(t.lines, (std::vector<std::size_t>{1, 2}));
}

TEST(SerieFileReader, TableSizeErrors) {
    SerieTable table;
    std::string message;
    EXPECT_FALSE(SerieFileReader::read(kDir + "only_comments.txt", table, message));
    EXPECT_EQ(message, "in file " + kDir + "only_comments.txt: XY data must have at least one row");
    EXPECT_FALSE(SerieFileReader::read(kDir + "one_column.txt", table, message));
    EXPECT_EQ(message, "in file " + kDir + "one_column.txt: XY data must have at two columns");
    EXPECT_EQ(parseError(""), "in file mem.txt: XY data must have at least one row");
    EXPECT_EQ(parseError("   \n\t\r\n"), "in file mem.txt: XY data must have at least one row");
}

TEST(SerieFileReader, MissingFileAndDirectory) {
    SerieTable table;
    std::string message;
    EXPECT_FALSE(SerieFileReader::read(kDir + "no_such_file.txt", table, message));
    EXPECT_EQ(message, "Error trying to access '" + kDir +
                           "no_such_file.txt' which could not be opened. Make sure, the file exists and restart the "
                           "simulation.");
    EXPECT_FALSE(SerieFileReader::read(kDir, table, message));
    EXPECT_EQ(message.rfind("Error trying to access '", 0), 0u);
}

TEST(SerieFileReader, CheckAnswersWithoutEndingTheRun) {
    std::string path = kDir + "hydrograph.txt";
    std::replace(path.begin(), path.end(), '/', '\\');  // backslashes are separators
    const SerieFileCheck good = SerieFileReader::check(path);
    EXPECT_TRUE(good.ok) << good.message;
    const SerieFileCheck bad = SerieFileReader::check(kDir + "only_comments.txt");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.message, "in file " + kDir + "only_comments.txt: XY data must have at least one row");
}

TEST(SerieFileReader, LongFileReadsEveryLine) {
    const auto dir = std::filesystem::temp_directory_path() / fmt::format("flum_series_{}", ::getpid());
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "long.txt").string();
    {
        std::ofstream out(path);
        out << "// t Q\n";
        for (int i = 0; i < 200000; ++i) out << i * 0.5 << ' ' << i % 7 << '\n';
    }
    SerieTable table;
    std::string message;
    ASSERT_TRUE(SerieFileReader::read(path, table, message)) << message;
    ASSERT_EQ(table.numberOfRows(), 200000u);
    EXPECT_EQ(table.columns[0].back(), 99999.5);
    EXPECT_EQ(table.columns[1].back(), 199999 % 7);
    std::filesystem::remove_all(dir);
}
