// Any text given to `quorl-cli import` or opened as a channel list in the window, in either
// layout: read and checked without a crash, a hang or a sanitizer report, whatever its bytes.

#include "ChannelCsv.h"
#include "ChannelList.h"
#include "CommonCsv.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace quorl;

// A new file with channel 1 in use, so that cells equal to the file's own are met too.
RadioImage baseImage() {
    RadioImage image;
    resetImage(image);
    const std::uint8_t record[] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                   0x85, 0x08, 0x23, 0x80, 0xF2, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(record), std::end(record), image.begin() + channelRecordOffset(1));
    const std::uint8_t name[] = {'C', 'H', '1'};
    std::copy(std::begin(name), std::end(name), image.begin() + channelNameOffset(1));
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ToneTable tones;
    static const RadioImage base = baseImage();
    RadioImage image = base;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    importChannelCsv(text, tones, image);
    image = base;
    if (isCommonCsv(text))
        importCommonCsv(text, tones, image, LeftOutRows::Skipped);
    image = base;
    channelListDocument(text, tones, image);
    return 0;
}
