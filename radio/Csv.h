#pragma once

// Comma-separated values the way RFC 4180 writes them: a field holding a comma, a quote or a
// line break is quoted, with its quotes doubled, and every record ends with CR LF. Reading also
// takes records ended by LF alone, as editors on this system save them, and another separator
// (a semicolon or a tab, as spreadsheets write them where the comma is the decimal sign).

#include <string>
#include <string_view>
#include <vector>

namespace quorl {

// One record, its line break included.
std::string csvRecord(const std::vector<std::string>& fields);

struct CsvRecord {
    int line = 0; // where the record starts, counting from 1
    std::vector<std::string> fields;
};

struct CsvText {
    std::vector<CsvRecord> records;
    // A quoted field that never ends, or text after a closing quote: the records read before
    // it are kept, and errorLine says where the trouble is (0 when there is none).
    int errorLine = 0;
    std::string error;
};

CsvText parseCsv(std::string_view text, char separator = ',');

} // namespace quorl
