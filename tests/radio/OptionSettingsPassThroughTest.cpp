#include "EmergencySettings.h"
#include "OptionFunctionSettings.h"
#include "PttIdSettings.h"
#include "RandomImage.h"
#include "TotSettings.h"

#include <gtest/gtest.h>

using namespace quorl;

// Opening an option dialog on any image and confirming it changes no bit outside its own.
TEST(OptionSettingsPassThrough, ConfirmingChangesOnlyOwnedBits) {
    RadioImage owned{};
    for (std::size_t offset : {0x1813, 0x182A, 0x182B, 0x182C, 0x1828, 0x1829, 0x1830, 0x1831,
                               0x1832, 0x1833, 0x1834, 0x1835, 0x1837, 0x1838})
        owned[offset] = 0xFF;
    std::fill_n(owned.begin() + 0x1D30, 16, 0xFF); // the PTT ID code
    owned[0x1D40] = 0x03;                          // PTT ID mode
    owned[0x1810] = 0x01;                          // Display PTT ID
    owned[0x1817] = 0x03;                          // emergency call switch
    owned[0x1836] = 0x03;                          // Compandor, Pre/De-Emphasis

    for (unsigned seed = 1; seed <= 200; ++seed) {
        const RadioImage before = randomImage(seed);
        RadioImage after = before;
        encodeTot(decodeTot(after), after);
        encodePttId(decodePttId(after), after);
        encodeEmergency(decodeEmergency(after), after);
        encodeOptionFunction(decodeOptionFunction(after), after);
        for (std::size_t offset = 0; offset < kImageSize; ++offset)
            ASSERT_EQ((before[offset] ^ after[offset]) & ~owned[offset], 0)
                << "seed " << seed << " offset 0x" << std::hex << offset;
    }
}
