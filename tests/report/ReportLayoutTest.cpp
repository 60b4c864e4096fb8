#include "ReportLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace quorl;

namespace {

// A 600 dpi printer's page (G 350, W 132) and line heights of the size Times New Roman gives
// there: 40 lines at the body's spacing do not fit on one page.
const PageGeometry kPage = pageGeometry(4800, 6600, 600, 600);
constexpr LineHeights kLines{.title = 402, .body = 402, .bodyText = 388};

RadioImage resetDocument() {
    RadioImage image;
    resetImage(image);
    return image;
}

std::vector<std::string> textsAt(const std::vector<PlacedText>& texts, std::set<int> columns) {
    std::vector<std::string> found;
    for (const PlacedText& text : texts)
        if (columns.contains(text.x))
            found.push_back(text.text);
    return found;
}

} // namespace

TEST(ReportGeometry, WorkedExampleOfA600DpiPrinter) {
    const PageGeometry page = pageGeometry(4800, 6600, 600, 600);
    EXPECT_EQ(page.charHeight, 350);
    EXPECT_EQ(page.charWidth, 132);
    EXPECT_EQ(page.bodyCharWidth, 105);
    EXPECT_EQ(page.titleX, 3384);
}

TEST(ReportLayout, SettingsBlockReadsNineSettingsFromTheImage) {
    RadioImage flipped = resetDocument();
    flipped[kAudioFlags] &= ~(kWideBit | kBatterySaveBit | kBeepBit);
    flipped[kVoxGainLevel] = 7;
    flipped[kSquelchLevel] = 0;
    flipped[kSettingsFlags] |= kChannelNameDisplayBit;
    flipped[kEmergencyFlags] |= kScramblerActivationOffBit;
    flipped[kMenuFlags] &= ~(kDisableMenuOffBit | kPowerMenuBit);

    const std::vector<std::pair<RadioImage, std::vector<std::string>>> cases{
        {resetDocument(),
         {"W/N:\tWide", "Vox Gain Level:\tOff", "Squelch Level:\t5", "Channel Name:\tOff",
          "Battery Save:\tOn", "Beep:\tOn", "Scrambler Activation:\tOn", "Addible Menu:\tOn",
          "Power:\tOn"}},
        {flipped,
         {"W/N:\tNarrow", "Vox Gain Level:\t7", "Squelch Level:\t0", "Channel Name:\tOn",
          "Battery Save:\tOff", "Beep:\tOff", "Scrambler Activation:\tOff", "Addible Menu:\tOff",
          "Power:\tOff"}},
    };
    const int w = kPage.charWidth;
    for (const auto& [image, settings] : cases) {
        const std::vector<PlacedText> page = layoutReportPage(1, kPage, kLines, image);
        EXPECT_EQ(textsAt(page, {2 * w, 35 * w}), settings);
        EXPECT_EQ(textsAt(page, {5 * w}).front(), "Function Setting:");
    }
    EXPECT_TRUE(textsAt(layoutReportPage(2, kPage, kLines, resetDocument()), {2 * w}).empty());
}

TEST(ReportLayout, SixPagesHoldEveryChannelOnceAndStayOnThePaper) {
    const std::map<int, std::pair<int, int>> ranges{{1, {1, 27}},    {2, {28, 60}},
                                                    {3, {61, 93}},   {4, {94, 126}},
                                                    {5, {127, 159}}, {6, {160, 199}}};
    const int w = kPage.charWidth;
    for (const auto& [number, range] : ranges) {
        const std::vector<PlacedText> page =
            layoutReportPage(number, kPage, kLines, resetDocument());
        std::vector<const PlacedText*> numbers;
        int headings = 0;
        for (const PlacedText& text : page) {
            if (text.x != w)
                continue;
            if (text.text == "CH   Rx(MHz)   Tx(MHz)    Rx Tone  Tx Tone  Scan    Tx Power   "
                             "Busy Lock   Name")
                ++headings;
            else
                numbers.push_back(&text);
        }
        EXPECT_EQ(headings, 1) << number;
        ASSERT_EQ(numbers.size(), std::size_t(range.second - range.first + 1)) << number;
        for (std::size_t i = 0; i < numbers.size(); ++i)
            EXPECT_EQ(numbers[i]->text, std::to_string(range.first + int(i)));
        EXPECT_GE(numbers.back()->y - kLines.bodyText, -kPage.pageHeight) << number;
        if (number < 6) {
            EXPECT_EQ(numbers[0]->y - numbers[1]->y, kLines.body) << number;
        }

        // A reset document's channels are all empty: each of the eight cells is one space.
        for (const PlacedText* line : numbers) {
            std::vector<std::string> cells;
            for (const PlacedText& text : page)
                if (text.y == line->y && &text != line)
                    cells.push_back(text.text);
            EXPECT_EQ(cells, std::vector<std::string>(8, " ")) << line->text;
        }
    }
    EXPECT_TRUE(layoutReportPage(7, kPage, kLines, resetDocument()).empty());
}
