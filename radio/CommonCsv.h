#pragma once

// The channel list most hams already have: the comma-separated layout of the widely used
// open-source programmer, which repeater directories export too. One row a channel under a
// header row naming its columns (Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq,
// cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment
// and the digital-voice columns), UTF-8.

#include "RadioImage.h"
#include "ToneTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

// True when the first line names the columns of this layout (Location and Frequency at least,
// in any order and case).
bool isCommonCsv(std::string_view text);

struct CsvLineNote {
    int line = 0; // counting from 1
    std::string text;
};

struct CommonCsvImport {
    bool stored = false;              // the image holds the file's channels
    std::vector<CsvLineNote> leftOut; // rows the radio cannot hold, each with why
    std::vector<CsvLineNote> notes;   // what a stored row lost on the way
};

enum class LeftOutRows { Skipped, RefuseImport };

// Replaces the channel table of the image with the rows of the text. Every channel gets what
// a typed row gets, checked the same way: frequencies in the band of the image's Type and Field
// and on its step, tones from the tone list, names of at most 6 characters (longer ones are
// cut, and noted). BusyLock, which the layout lacks, is No as on a new channel; TStep and
// Comment are not kept; Mode is not per channel here, so one that differs from the radio-wide
// W/N is noted once. A row the radio cannot hold is left out, or with RefuseImport leaves the
// image alone. Channels without a row are emptied; the image is stored as a Save stores it.
CommonCsvImport importCommonCsv(std::string_view text, const ToneTable& tones, RadioImage& image,
                                LeftOutRows leftOutRows);

// The frequencies of each row that has any, whatever band they are in: Frequency, and the
// transmit frequency of its Duplex and Offset.
std::vector<std::vector<std::uint32_t>> commonCsvFrequencies(std::string_view text);

struct CommonCsvExport {
    std::string text;
    std::vector<int> channelsLeftOut; // in use without a Receive frequency, which a row needs
};

// A row for every channel in use, so that importing the text again gives the same bytes for
// every cell the layout carries.
CommonCsvExport exportCommonCsv(const RadioImage& image);

} // namespace quorl
