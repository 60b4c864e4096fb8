#include "ChannelRowEdit.h"

#include "FormTexts.h"

#include <algorithm>
#include <cstdio>

namespace quorl {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool allEmpty(const ChannelRow& row, int first, int last) {
    for (int column = first; column <= last; ++column)
        if (!row[column].empty())
            return false;
    return true;
}

} // namespace

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

std::string defaultChannelName(int channel) {
    char name[16];
    std::snprintf(name, sizeof name, "CH:%03d", channel);
    return name;
}

bool rowHasFrequency(const ChannelRow& row) {
    return !row[kColReceive].empty() || !row[kColTransmit].empty();
}

void commitFrequency(ChannelRow& row, int channel, int column, const std::string& text,
                     EraseCheck eraseCheck) {
    if (!text.empty()) {
        if (allEmpty(row, kColReceive, kColScan)) {
            row[kColRxTone] = "OFF";
            row[kColTxTone] = "OFF";
            row[kColScan] = kScanYes;
            row[kColTxPower] = kTxPowerHigh;
            row[kColBusyLock] = kBusyLockNo;
            row[kColName] = defaultChannelName(channel);
            if (column == kColReceive)
                row[kColTransmit] = text;
        }
        row[column] = text;
        return;
    }

    row[column == kColReceive ? kColRxTone : kColTxTone].clear();
    row[column].clear();
    const int lastChecked =
        eraseCheck == EraseCheck::FrequenciesAndTones ? kColTxTone : kColTransmit;
    if (allEmpty(row, kColReceive, lastChecked))
        for (int c = kColScan; c <= kColName; ++c)
            row[c].clear();
}

std::optional<std::string> findToneEntry(const ToneTable& tones, std::string_view typed) {
    for (const std::string& entry : tones.entries())
        if (equalIgnoringCase(entry, typed))
            return entry;
    return std::nullopt;
}

std::string resolveToneText(const ToneTable& tones, std::string_view typed) {
    return findToneEntry(tones, typed).value_or(tones.at(0));
}

std::size_t matchListEntry(const std::vector<std::string>& entries, std::string_view text) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].size() >= text.size() &&
            equalIgnoringCase(std::string_view(entries[i]).substr(0, text.size()), text))
            return i;
    return 0;
}

} // namespace quorl
