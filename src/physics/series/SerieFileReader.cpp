#include "physics/series/SerieFileReader.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "core/FlumPath.h"

namespace Flumaris {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

bool isBlankLine(const char* p, const char* e) {
    for (; p != e; ++p)
        if (!isBlank(*p)) return false;
    return true;
}

// End of the data part of a line: the first '#' or "//".
const char* dataEnd(const char* p, const char* e) {
    for (; p != e; ++p) {
        if (*p == '#') return p;
        if (*p == '/' && p + 1 != e && p[1] == '/') return p;
    }
    return e;
}

// A lone '/' separates numbers like a blank.
bool isSeparator(char c) { return isBlank(c) || c == '/'; }

enum class Token { Number, Word, NotFinite };

bool equalsNoCase(const char* b, const char* e, const char* word) {
    for (; b != e && *word; ++b, ++word)
        if ((*b | 0x20) != *word) return false;
    return b == e && !*word;
}

// A token counts as a number only as a whole: "1,5" or "10m" would otherwise
// pass silently as 1 and 10. "nan", "inf" and numbers beyond the range of a
// double are no words but values a series must not hold.
Token parseToken(const char* b, const char* e, double& value) {
    const char* digits = b;
    if ((*digits == '+' || *digits == '-') && digits + 1 != e) ++digits;
    if (equalsNoCase(digits, e, "nan") || equalsNoCase(digits, e, "inf") || equalsNoCase(digits, e, "infinity"))
        return Token::NotFinite;
    const char c = *digits;
    if (!((c >= '0' && c <= '9') || c == '.')) return Token::Word;
    const auto res = std::from_chars(*b == '+' ? b + 1 : b, e, value, std::chars_format::general);
    if (res.ptr != e) return Token::Word;
    if (res.ec == std::errc::result_out_of_range) {
        // Too small only rounds to zero; too large has no value.
        value = std::strtod(std::string(b, e).c_str(), nullptr);
        return std::isfinite(value) ? Token::Number : Token::NotFinite;
    }
    return res.ec == std::errc() ? Token::Number : Token::Word;
}

void splitWords(const char* p, const char* e, std::vector<std::string>& words) {
    words.clear();
    while (p != e) {
        while (p != e && isBlank(*p)) ++p;
        const char* w = p;
        while (p != e && !isBlank(*p)) ++p;
        if (p != w) words.emplace_back(w, p);
    }
}

// Words of a comment line, without the comment marks.
void commentWords(const char* p, const char* e, std::vector<std::string>& words) {
    while (p != e && (*p == '/' || *p == '#')) ++p;
    splitWords(p, e, words);
}

bool readWholeFile(const std::string& path, std::string& text) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f) return false;
    if (std::fseek(f.get(), 0, SEEK_END) != 0) return false;
    const long size = std::ftell(f.get());
    if (size < 0) return false;
    std::rewind(f.get());
    text.resize(static_cast<std::size_t>(size));
    if (size > 0 && std::fread(text.data(), 1, text.size(), f.get()) != text.size()) return false;
    return true;
}

}  // namespace

std::string SerieFileReader::checkTableSize(std::size_t rows, std::size_t columns) {
    if (rows < 1) return "XY data must have at least one row";
    if (columns < 2) return "XY data must have at two columns";
    return {};
}

bool SerieFileReader::parse(const char* begin, const char* end, const std::string& name, SerieTable& table,
                            std::string& message) {
    table.columns.clear();
    table.names.clear();
    table.lines.clear();
    message.clear();

    if (end - begin >= 3 && static_cast<unsigned char>(begin[0]) == 0xEF &&
        static_cast<unsigned char>(begin[1]) == 0xBB && static_cast<unsigned char>(begin[2]) == 0xBF)
        begin += 3;

    std::size_t n = 0;  // numbers per line, fixed by the first data line
    std::vector<double> values;
    const char* line = begin;
    std::size_t lineNo = 0;
    const auto where = [&] { return "in file " + name + ", line " + std::to_string(lineNo) + ": "; };
    while (line < end) {
        ++lineNo;
        const char* eol = line;
        while (eol != end && *eol != '\n') ++eol;
        const char* next = eol == end ? end : eol + 1;

        if (isBlankLine(line, eol)) {
            line = next;
            continue;
        }
        if (*line == '#' || (eol - line >= 2 && line[0] == '/' && line[1] == '/')) {
            if (n == 0) commentWords(line, eol, table.names);
            line = next;
            continue;
        }

        const char* stop = dataEnd(line, eol);
        if (isBlankLine(line, stop)) {  // only blanks in front of a comment
            if (n == 0) commentWords(stop, eol, table.names);
            line = next;
            continue;
        }
        // A word ends the numbers of a line; the rest of the line is ignored.
        values.clear();
        const char* p = line;
        while (p != stop) {
            while (p != stop && isSeparator(*p)) ++p;
            if (p == stop) break;
            const char* t = p;
            while (p != stop && !isSeparator(*p)) ++p;
            double v = 0.0;
            const Token kind = parseToken(t, p, v);
            if (kind == Token::NotFinite) {
                message = where() + "'" + std::string(t, p) +
                          "' is not a finite number.\nPlease write a number there (no nan, no inf, at most "
                          "about 1e308 in magnitude).";
                return false;
            }
            if (kind == Token::Word) break;
            values.push_back(v);
        }

        if (n == 0) {
            if (values.empty()) {
                // Words before the data: a header naming the columns.
                splitWords(line, stop, table.names);
                line = next;
                continue;
            }
            n = values.size();
            table.columns.assign(n, {});
        } else if (values.size() < n) {
            message = where() + "I expected a line with " + std::to_string(n) + " numbers, but found " +
                      std::to_string(values.size()) + " numbers.";
            return false;
        } else if (values.size() > n) {
            message = where() + "i expected a line with " + std::to_string(n) +
                      " numbers, but found more than that!";
            return false;
        }
        for (std::size_t j = 0; j < n; ++j) table.columns[j].push_back(values[j]);
        table.lines.push_back(lineNo);
        line = next;
    }

    message = checkTableSize(table.numberOfRows(), table.numberOfColumns());
    if (!message.empty()) message = "in file " + name + ": " + message;
    return message.empty();
}

bool SerieFileReader::read(const std::string& fileName, SerieTable& table, std::string& message) {
    const std::string name = normalizePath(fileName);
    std::string text;
    if (!readWholeFile(name, text)) {
        table.columns.clear();
        table.names.clear();
        message = "Error trying to access '" + name +
                  "' which could not be opened. Make sure, the file exists and restart the simulation.";
        return false;
    }
    return parse(text.data(), text.data() + text.size(), name, table, message);
}

SerieFileCheck SerieFileReader::check(const std::string& fileName) {
    SerieTable table;
    SerieFileCheck result;
    result.ok = read(fileName, table, result.message);
    return result;
}

}  // namespace Flumaris
