#include "ChannelList.h"

#include "BandChoice.h"
#include "ChannelCodec.h"
#include "ChannelCsv.h"
#include "CommonCsv.h"
#include "FileReader.h"
#include "FileWriter.h"
#include "FormTexts.h"
#include "PosixFile.h"
#include "SettingsCodec.h"

namespace quorl {

namespace {

std::string onLine(int line, const std::string& text) {
    return "line " + std::to_string(line) + ": " + text;
}

std::string cellError(const CsvCellError& error) {
    std::string where = "line " + std::to_string(error.line);
    if (error.column > 0)
        where += ", column " + std::to_string(error.column);
    if (error.tableColumn >= 0)
        where += " (" + std::string(kChannelHeadings[error.tableColumn]) + ")";
    return where + ": " + error.message;
}

} // namespace

ChannelListOpen channelListDocument(std::string_view text, const ToneTable& tones,
                                    RadioImage& image) {
    ChannelListOpen result;
    const bool common = isCommonCsv(text);
    const std::vector<std::vector<std::uint32_t>> frequencies =
        common ? commonCsvFrequencies(text) : channelCsvFrequencies(text);
    RadioImage document;
    resetImage(document);
    SettingsState settings = decodeSettings(document);
    const TypeAndField band = bandHoldingMost(frequencies);
    settings.type = band.type;
    settings.field = band.field;
    encodeSettings(settings, document);

    if (common) {
        const CommonCsvImport imported =
            importCommonCsv(text, tones, document, LeftOutRows::Skipped);
        for (const CsvLineNote& row : imported.leftOut)
            result.refused.push_back(onLine(row.line, row.text));
        for (const CsvLineNote& note : imported.notes)
            result.notes.push_back(onLine(note.line, note.text));
        result.opened = imported.stored;
    } else {
        const CsvImport imported = importChannelCsv(text, tones, document);
        for (const CsvCellError& error : imported.errors)
            result.refused.push_back(cellError(error));
        result.notes = imported.notes;
        result.opened = imported.errors.empty();
    }
    if (result.opened)
        image = document;
    return result;
}

ChannelListOpen openChannelList(const std::filesystem::path& path, const ToneTable& tones,
                                RadioImage& image) {
    std::string text; // one byte more than a list can hold tells that the file is larger
    FileResult read = readFileStart(path, kLargestChannelList + 1, text);
    if (read.ok && text.size() > kLargestChannelList)
        read = posix::failure(path, "it is larger than " + std::to_string(kLargestChannelList) +
                                        " bytes, more than a channel list can be");
    if (!read.ok)
        return {std::move(read), false, {}, {}};
    ChannelListOpen result = channelListDocument(text, tones, image);
    result.file = posix::success(path);
    return result;
}

FileResult saveChannelList(const std::filesystem::path& path, const RadioImage& image) {
    return replaceFile(path, exportChannelCsv(image));
}

} // namespace quorl
