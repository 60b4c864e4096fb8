#include "Csv.h"

namespace quorl {

namespace {

bool needsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

// Reads records one character at a time; `line` follows every line break, quoted ones too.
class CsvReader {
public:
    CsvReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    CsvText read() {
        CsvText result;
        while (at_ < text_.size()) {
            CsvRecord record{line_, {}};
            if (!readRecord(record.fields)) {
                result.errorLine = errorLine_;
                result.error = error_;
                break;
            }
            result.records.push_back(std::move(record));
        }
        return result;
    }

private:
    bool readRecord(std::vector<std::string>& fields) {
        for (;;) {
            std::string field;
            if (!readField(field))
                return false;
            fields.push_back(std::move(field));
            if (at_ >= text_.size())
                return true;
            if (text_[at_] == separator_) {
                ++at_;
                continue;
            }
            skipLineBreak();
            return true;
        }
    }

    // Leaves `at_` on the comma or line break after the field, or at the end.
    bool readField(std::string& field) {
        if (at_ < text_.size() && text_[at_] == '"')
            return readQuoted(field);
        while (at_ < text_.size() && text_[at_] != separator_ && !atLineBreak())
            field += text_[at_++];
        return true;
    }

    bool readQuoted(std::string& field) {
        const int startLine = line_;
        ++at_;
        for (;;) {
            if (at_ >= text_.size())
                return fail(startLine, "a quoted field is not closed");
            const char c = text_[at_++];
            if (c == '\n')
                ++line_;
            if (c != '"') {
                field += c;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == '"') {
                field += '"';
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_[at_] != separator_ && !atLineBreak())
                return fail(line_, "text follows a closing quote");
            return true;
        }
    }

    bool atLineBreak() const { return text_[at_] == '\n' || text_.substr(at_, 2) == "\r\n"; }

    void skipLineBreak() {
        at_ += text_[at_] == '\r' ? 2 : 1;
        ++line_;
    }

    bool fail(int line, const char* why) {
        errorLine_ = line;
        error_ = why;
        return false;
    }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
    int errorLine_ = 0;
    std::string error_;
};

} // namespace

std::string csvRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += ',';
        if (!needsQuotes(fields[i])) {
            record += fields[i];
            continue;
        }
        record += '"';
        for (const char c : fields[i]) {
            if (c == '"')
                record += '"';
            record += c;
        }
        record += '"';
    }
    return record + "\r\n";
}

CsvText parseCsv(std::string_view text, char separator) {
    return CsvReader(text, separator).read();
}

} // namespace quorl
