#pragma once

// What a Save in the window stores for an image it opened and did not edit: the table and the
// panel decoded from it, encoded back into it.

#include "ChannelCodec.h"
#include "SettingsCodec.h"

inline quorl::RadioImage savedImage(quorl::RadioImage image) {
    const quorl::ChannelSheet sheet = quorl::decodeChannels(image);
    const quorl::SettingsState settings = quorl::decodeSettings(image);
    quorl::encodeChannels(sheet, image);
    quorl::encodeSettings(settings, image);
    return image;
}
