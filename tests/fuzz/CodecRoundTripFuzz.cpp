// Any image from a radio or a file, opened and saved without an edit: every frequency field
// keeps its bytes (or is erased when its top byte marks it empty), the record bytes the table
// does not own pass through, and a second Save changes nothing but tones.

#include "ChannelCodec.h"
#include "SavedImage.h"
#include "SettingsCodec.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace quorl;

// A broken rule ends the run like a sanitizer report, with the input kept as an artifact.
void require(bool holds) {
    if (!holds)
        std::abort();
}

bool isBlankMark(std::uint8_t byte) {
    return byte == 0x00 || byte == kErased;
}

} // namespace

// The input is the image from offset 0 on; what it does not reach stays erased.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RadioImage image;
    image.fill(kErased);
    std::copy_n(data, std::min(size, kImageSize), image.begin());

    const RadioImage once = savedImage(image);
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const std::size_t record = channelRecordOffset(channel);
        for (const std::size_t field : {record + kRecReceive, record + kRecTransmit}) {
            const bool empty = isBlankMark(image[field + 3]);
            for (std::size_t i = 0; i < 4; ++i)
                require(once[field + i] == (empty ? kErased : image[field + i]));
        }
        for (std::size_t i = kRecFlags + 1; i < kChannelRecordSize; ++i)
            require(once[record + i] == image[record + i]);
    }
    // Tones are stored as their text reads, which may read differently again (a DCS code
    // past 62 hundreds gets the no-tone mark); every other byte is settled by one Save.
    const RadioImage twice = savedImage(once);
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        const std::size_t inRecord = offset % kChannelRecordSize;
        const bool tone = offset < channelRecordOffset(kChannelCount + 1) &&
                          inRecord >= kRecRxTone && inRecord < kRecFlags;
        require(tone || twice[offset] == once[offset]);
    }
    return 0;
}
