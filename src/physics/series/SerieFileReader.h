#pragma once
// Reader of series files: whitespace-separated numbers, one record per line.
//
// Blank lines, lines starting with "//" and lines starting with '#' are skipped;
// from the first '#' or "//" on, a line is ignored; a lone '/' and a carriage
// return count as blanks. The first data line fixes the number of columns.
// Column 0 is the abscissa, the further columns are values. A number that is
// not finite ("nan", "inf", "1e999") is an error naming the file and line.
//
// The reader never reports by itself, so the command-file check and the series
// classes share it: the series classes turn a failure into a fatal error, the
// check hands the text to the input validation.
#include <cstddef>
#include <string>
#include <vector>

namespace Flumaris {

struct SerieTable {
    std::vector<std::vector<double>> columns;  // columns[0] is the abscissa
    // Words of the last comment or text line before the first data line
    // (e.g. "Time Q"); empty when the file has none.
    std::vector<std::string> names;
    // Line in the file (counting from 1) of each row; empty for tables not read from text.
    std::vector<std::size_t> lines;

    std::size_t numberOfRows() const { return columns.empty() ? 0 : columns.front().size(); }
    std::size_t numberOfColumns() const { return columns.size(); }
};

struct SerieFileCheck {
    bool ok = false;
    std::string message;  // empty when ok
};

class SerieFileReader {
public:
    // Reads fileName (backslashes taken as separators). On failure returns false
    // and sets message to the text the program reports; table is then unusable.
    static bool read(const std::string& fileName, SerieTable& table, std::string& message);

    // Reads the whole file and answers whether it is a valid series file.
    static SerieFileCheck check(const std::string& fileName);

    // The size checks every table passes (file or memory); empty text when ok.
    static std::string checkTableSize(std::size_t rows, std::size_t columns);

    // Parses a series text already in memory; name only appears in messages.
    static bool parse(const char* begin, const char* end, const std::string& name, SerieTable& table,
                      std::string& message);
};

}  // namespace Flumaris
