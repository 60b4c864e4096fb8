// Comma-separated values written and read as RFC 4180 has them.

#include "Csv.h"

#include <gtest/gtest.h>

namespace quorl {
namespace {

TEST(Csv, QuotesOnlyWhatNeedsItAndReadsItBack) {
    struct Case {
        std::vector<std::string> fields;
        const char* record;
    };
    const Case cases[] = {
        {{"1", "446.00625", ""}, "1,446.00625,\r\n"},
        {{"a,b", "say \"hi\"", "two\r\nlines", "lf\nonly"},
         "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"lf\nonly\"\r\n"},
        {{"", ""}, ",\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(csvRecord(c.fields), c.record);
        const CsvText read = parseCsv(c.record);
        ASSERT_EQ(read.records.size(), 1u) << c.record;
        EXPECT_EQ(read.records[0].fields, c.fields);
        EXPECT_EQ(read.errorLine, 0);
    }
}

TEST(Csv, RecordsKnowTheLineTheyStartOn) {
    const CsvText read = parseCsv("a,b\n\"x\r\ny\",z\r\nlast");
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[0].line, 1);
    EXPECT_EQ(read.records[1].line, 2);
    EXPECT_EQ(read.records[1].fields, (std::vector<std::string>{"x\r\ny", "z"}));
    EXPECT_EQ(read.records[2].line, 4);
}

} // namespace
} // namespace quorl
