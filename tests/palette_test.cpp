// Every pair of text colour and ground that the three programs draw must be
// readable from the back of a classroom: computed from the palette itself,
// so that a later change of a colour cannot quietly break a pair.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "surface/surface.h"

namespace {

double Channel(std::uint32_t c) {
    double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(int index) {
    std::uint32_t rgb = surface::PaletteColor(index);
    return 0.2126 * Channel((rgb >> 16) & 0xFF) + 0.7152 * Channel((rgb >> 8) & 0xFF) +
           0.0722 * Channel(rgb & 0xFF);
}

double Contrast(int a, int b) {
    double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Pair {
    int text, ground;
    double at_least;  // 3 for the large lesson glyphs, 4.5 for the prompt line's
    const char* where;
};

const Pair kPairs[] = {
    // The prompt line's 16-unit text, and the same colours in the lessons.
    {0, 15, 4.5, "item lines, menu prompt, answer label; lesson text, white cells"},
    {5, 15, 4.5, "typed digits, a menu's own prompt; results and cell texts"},
    {9, 4, 4.5, "何かキーを押して下さい。 in its red box"},
    {9, 12, 4.5, "次のステップは１を入力。 in its blue box"},
    // On the white background.
    {3, 15, 3, "labels, headings and arrow labels"},
    {4, 15, 3, "text in the start-up colour"},
    {7, 15, 3, "headings and textbook pointers"},
    {13, 15, 3, "the error screen's report"},
    // On the main menu's panel.
    {13, 10, 3, "menu lines 1, 3, 5, 7"},
    {15, 10, 3, "heading and menu lines 2, 4, 6, 8"},
    // In filled boxes.
    {13, 3, 3, "practice number boxes; the area picture's positive term"},
    {13, 5, 3, "the area picture's negative term"},
    {13, 6, 3, "the balance's left-pan load"},
    {13, 8, 3, "the balance's envelope"},
    {13, 10, 3, "the balance's weights"},
    {0, 13, 3, "practice title boxes; the sheet row of the magnet table"},
    {5, 13, 3, "the notation drills' and the ratio drill's answer cells"},
    {5, 9, 3, "the flower bed's cells"},
    {5, 7, 3, "the flower bed's widening"},
};

TEST(Palette, EveryTextReadsOnWhatLiesUnderIt) {
    for (const Pair& p : kPairs)
        EXPECT_GE(Contrast(p.text, p.ground), p.at_least)
            << p.text << " on " << p.ground << " (" << p.where << ")";
}

TEST(Palette, ContrastIsComputedAsForTheWeb) {
    // Black on white is the largest contrast there is; a colour on itself none.
    EXPECT_NEAR(Contrast(0, 15), 21.0, 1e-9);
    EXPECT_NEAR(Contrast(13, 13), 1.0, 1e-9);
    EXPECT_EQ(surface::PaletteColor(15), 0xFFFFFFu);
}

}  // namespace
