// Digits as a class reads them, checked on the pixels: a decimal point is a
// dot of its own in the lower part of the line with background on both
// sides, a comma stands clear of its neighbours, and a zero is an empty ring.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "tests/text_test_support.h"

namespace {

using testing_support::Drawn;
using testing_support::ParseText;
using text_testing::TextTest;

// A box of canvas pixels, both ends included.
struct Box {
    int x0, y0, x1, y1;
    int Width() const { return x1 - x0 + 1; }
    int Height() const { return y1 - y0 + 1; }
};

// The ink of a region: pixels at least a sixth of the way from the ground's
// colour to the text's, as the eye sees them against the ground.
class Ink {
public:
    Ink(surface::Surface& s, Box area, int ground, int text) : area_(area) {
        double g = Luma(surface::PaletteColor(ground)), t = Luma(surface::PaletteColor(text));
        on_.assign(area.Width() * area.Height(), 0);
        for (int y = area.y0; y <= area.y1; ++y)
            for (int x = area.x0; x <= area.x1; ++x) {
                double v = Luma(s.PixelAt(x + 0.5, y + 0.5));
                At(x, y) = std::abs(v - g) > std::abs(t - g) / 6 ? 1 : 0;
            }
    }
    bool On(int x, int y) const {
        return x >= area_.x0 && x <= area_.x1 && y >= area_.y0 && y <= area_.y1 && Cell(x, y) != 0;
    }
    // The 8-connected blobs of ink, each with the box that holds it.
    std::vector<Box> Blobs() {
        std::vector<Box> out;
        std::vector<int> label(on_.size(), 0);
        for (int y = area_.y0; y <= area_.y1; ++y)
            for (int x = area_.x0; x <= area_.x1; ++x) {
                if (!On(x, y) || label[Index(x, y)]) continue;
                int id = static_cast<int>(out.size()) + 1;
                Box b{x, y, x, y};
                std::vector<std::pair<int, int>> todo{{x, y}};
                label[Index(x, y)] = id;
                while (!todo.empty()) {
                    auto [cx, cy] = todo.back();
                    todo.pop_back();
                    b = {std::min(b.x0, cx), std::min(b.y0, cy), std::max(b.x1, cx), std::max(b.y1, cy)};
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            if (On(cx + dx, cy + dy) && !label[Index(cx + dx, cy + dy)]) {
                                label[Index(cx + dx, cy + dy)] = id;
                                todo.emplace_back(cx + dx, cy + dy);
                            }
                }
                out.push_back(b);
            }
        labels_ = label;
        return out;
    }
    // The blob (from 1, as Blobs() numbered them) that a pixel of ink is in.
    int BlobAt(int x, int y) const { return On(x, y) ? labels_[Index(x, y)] : 0; }
    // Separate runs of ink met along a row or a column of the region.
    int RunsAcross(int y, int x0, int x1) const {
        int runs = 0;
        for (int x = x0; x <= x1; ++x) runs += On(x, y) && !On(x - 1, y);
        return runs;
    }
    int RunsDown(int x, int y0, int y1) const {
        int runs = 0;
        for (int y = y0; y <= y1; ++y) runs += On(x, y) && !On(x, y - 1);
        return runs;
    }

private:
    static double Luma(std::uint32_t rgb) {
        return 0.299 * (rgb >> 16 & 255) + 0.587 * (rgb >> 8 & 255) + 0.114 * (rgb & 255);
    }
    int Index(int x, int y) const { return (y - area_.y0) * area_.Width() + (x - area_.x0); }
    std::uint8_t& At(int x, int y) { return on_[Index(x, y)]; }
    std::uint8_t Cell(int x, int y) const { return on_[Index(x, y)]; }
    Box area_;
    std::vector<std::uint8_t> on_;
    std::vector<int> labels_;
};

// The cell a PsSYMBOL40 line of one character covers: s/2 or s across for a
// half- or full-width character, s down, times the magnification.
Box CellOf(const std::string& line) {
    Drawn d = ParseText(line);
    std::istringstream tail(line.substr(line.find("\" ", line.find('"') + 1) + 2));
    double h = 1, v = 1;
    tail >> h >> v;
    double size = std::stod(line.substr(line.find("size=") + 5));
    bool full = static_cast<unsigned char>(d.text[0]) >= 0x80;
    double across = (full ? size : size / 2) * h;
    return {static_cast<int>(std::floor(d.x)), static_cast<int>(std::floor(d.y)),
            static_cast<int>(std::ceil(d.x + across)) - 1, static_cast<int>(std::ceil(d.y + size * v)) - 1};
}

// How a case draws its text, at (200, 300) in colour 0 on white unless the
// kind says otherwise.
enum Kind {
    kLine,      // a lesson line (DrawMessage)
    kBox,       // centred in an answer box filled with colour 12
    kCompact,   // a compact label
    kPlain,     // the prompt line's full-width drawer
};

// One text drawn, and the glyph in it that a test reads.
struct GlyphCase {
    const char* name;
    Kind kind;
    const char* text;   // UTF-8, in FormulaMarkup for kLine and kBox
    const char* glyph;  // the character drawn for the point, comma or zero
    int which;          // 0: its first occurrence, 1: the second, ...
};
void PrintTo(const GlyphCase& c, std::ostream* os) { *os << c.name; }
std::string CaseName(const ::testing::TestParamInfo<GlyphCase>& info) { return info.param.name; }

class DigitsTest : public TextTest {
protected:
    // Draws the case's text; returns the ground colour under it.
    int Draw(Kind kind, const std::string& text) {
        auto& p = P();
        p.CCC1 = 0;
        p.X = 200;
        p.Y = 300;
        switch (kind) {
            case kLine:
                p.AA_s = Sj(text);
                p.DrawMessage();
                return 15;
            case kBox:
                p.A_s = Sj(text);
                p.HABA = 300;
                p.TATE = 100;
                p.CCC2 = 0;
                p.CCC3 = 12;
                p.DrawTextBox();
                return 12;
            case kCompact:
                p.AA_s = Sj(text);
                p.DrawCompactText();
                return 15;
            case kPlain:
                p.AA_s = Sj(text);
                p.DrawFormulaText();
                return 15;
        }
        return 15;
    }
    // The log line that drew the n-th (from 0) `glyph`.
    std::string GlyphLine(const std::string& glyph, int n) {
        for (const auto& l : Log())
            if (testing_support::IsText(l) && ParseText(l).text == glyph && n-- == 0) return l;
        return "";
    }
};

class Marks : public DigitsTest, public ::testing::WithParamInterface<GlyphCase> {};

TEST_P(Marks, APointIsADotOfItsOwnLowInTheLineClearOfItsDigits) {
    const GlyphCase& c = GetParam();
    int ground = Draw(c.kind, c.text);
    std::string line = GlyphLine(c.glyph, c.which);
    ASSERT_FALSE(line.empty()) << "no " << c.glyph << " drawn";
    Box cell = CellOf(line);
    // The digits around it: the ink of the whole line, well beyond its cells.
    Ink ink(S(), {cell.x0 - 60, cell.y0 - 60, cell.x1 + 60, cell.y1 + 60}, ground, 0);
    std::vector<Box> blobs = ink.Blobs();
    // The point is the smallest blob with ink in its cell.
    int mark = 0;
    for (int i = 0; i < static_cast<int>(blobs.size()); ++i) {
        const Box& b = blobs[i];
        bool in_cell = b.x1 >= cell.x0 && b.x0 <= cell.x1 && b.y1 >= cell.y0 && b.y0 <= cell.y1;
        auto area = [](const Box& x) { return x.Width() * x.Height(); };
        if (in_cell && (mark == 0 || area(b) < area(blobs[mark - 1]))) mark = i + 1;
    }
    ASSERT_NE(mark, 0) << "no ink in the cell of " << c.glyph;
    const Box dot = blobs[mark - 1];
    // The line: the blobs beside the mark that reach above it, the digits.
    Box digits{dot.x0, dot.y0, dot.x1, dot.y1};
    bool left = false, right = false;
    for (int i = 0; i < static_cast<int>(blobs.size()); ++i) {
        const Box& b = blobs[i];
        if (i + 1 == mark || b.y0 >= dot.y0 || b.y1 < dot.y0) continue;
        if (b.x1 < dot.x0 && dot.x0 - b.x1 < 40) left = true;
        else if (b.x0 > dot.x1 && b.x0 - dot.x1 < 40) right = true;
        else continue;
        digits = {std::min(digits.x0, b.x0), std::min(digits.y0, b.y0), std::max(digits.x1, b.x1),
                  std::max(digits.y1, b.y1)};
    }
    ASSERT_TRUE(left && right) << "no digit on both sides of the " << c.glyph;
    if (std::string(c.glyph) != ",") {
        // A dot, not a dash: no wider than twice its height, and small.
        EXPECT_LE(dot.Width(), 2 * dot.Height()) << dot.Width() << " by " << dot.Height();
        EXPECT_LT(dot.Height() * 3, digits.Height()) << dot.Height() << " of " << digits.Height();
    }
    // In the lower part of the line.
    EXPECT_GT(dot.y0, (digits.y0 + digits.y1) / 2) << dot.y0 << " in " << digits.y0 << ".." << digits.y1;
    // A column of background right beside it on both sides, over the whole
    // height of the line, and no other ink over or under it.
    for (int x = dot.x0 - 1; x <= dot.x1 + 1; ++x)
        for (int y = digits.y0; y <= digits.y1; ++y)
            EXPECT_TRUE(!ink.On(x, y) || ink.BlobAt(x, y) == mark)
                << "ink of another glyph at " << x << "," << y << " beside the " << c.glyph
                << " at " << dot.x0 << ".." << dot.x1;
}

// Compact labels are not here: they give a point 8 units before the next
// digit, too little for a bold dot with background on both sides, and no
// screen draws a number in them.
INSTANTIATE_TEST_SUITE_P(
    Texts, Marks,
    ::testing::Values(GlyphCase{"Line0point1", kLine, "0.1", ".", 0},
                      GlyphCase{"Line1point05", kLine, "1.05", ".", 0},
                      GlyphCase{"LineMinus0point2a", kLine, "-0.2a", ".", 0},
                      GlyphCase{"Line0point13a", kLine, "0.13a", ".", 0},
                      GlyphCase{"LineBracket", kLine, "100(0.3x-1.05)", ".", 1},
                      GlyphCase{"FractionNumerator", kLine, "ﾀ0.5/3ﾀ", ".", 0},
                      GlyphCase{"FractionDenominator", kLine, "ﾀ1/0.25ﾀ", ".", 0},
                      GlyphCase{"AnswerBox", kBox, "0.1", ".", 0},
                      GlyphCase{"LineComma", kLine, "項,係数", ",", 0},
                      GlyphCase{"PromptLine", kPlain, "1.5", "．", 0}),
    CaseName);


class Zeros : public DigitsTest, public ::testing::WithParamInterface<GlyphCase> {};

TEST_P(Zeros, AZeroIsAnEmptyRing) {
    const GlyphCase& c = GetParam();
    int ground = Draw(c.kind, c.text);
    std::string line = GlyphLine(c.glyph, c.which);
    ASSERT_FALSE(line.empty()) << "no " << c.glyph << " drawn";
    Box cell = CellOf(line);
    Ink ink(S(), cell, ground, 0);
    // The zero: the largest blob of ink in its cell.
    std::vector<Box> blobs = ink.Blobs();
    ASSERT_FALSE(blobs.empty());
    Box zero = *std::max_element(blobs.begin(), blobs.end(), [](const Box& a, const Box& b) {
        return a.Width() * a.Height() < b.Width() * b.Height();
    });
    // Through the middle of its ink: two strokes across and two down (a
    // slashed or dotted zero meets three), and background at the centre.
    int mx = (zero.x0 + zero.x1) / 2, my = (zero.y0 + zero.y1) / 2;
    EXPECT_EQ(ink.RunsAcross(my, zero.x0, zero.x1), 2) << "across row " << my;
    EXPECT_EQ(ink.RunsDown(mx, zero.y0, zero.y1), 2) << "down column " << mx;
    EXPECT_FALSE(ink.On(mx, my));
}

// A zero as each text drawer draws it: a line (3 by 3), a fraction part
// (4 by 2, and plain after "l"), an exponent (3 by 2), a small raised glyph
// (size 8, 6 by 3), a full-width zero in a line and in a fraction part, the
// prompt line's full-width zero, a compact label and an answer box.
INSTANTIATE_TEST_SUITE_P(
    Texts, Zeros,
    ::testing::Values(GlyphCase{"Line", kLine, "10", "0", 0},
                      GlyphCase{"FractionPart", kLine, "ﾀ10/3ﾀ", "0", 0},
                      GlyphCase{"FractionPartAfterL", kLine, "ﾀl0/3ﾀ", "0", 0},
                      GlyphCase{"Exponent", kLine, "x^0", "0", 0},
                      GlyphCase{"SmallRaised", kLine, "x\\0", "0", 0},
                      GlyphCase{"FractionExponent", kLine, "ﾀx^0/3ﾀ", "0", 0},
                      GlyphCase{"FullWidthLine", kLine, "１０", "０", 0},
                      GlyphCase{"FullWidthFraction", kLine, "ﾀ１０/3ﾀ", "０", 0},
                      GlyphCase{"PromptLine", kPlain, "10", "０", 0},
                      GlyphCase{"Compact", kCompact, "10", "0", 0},
                      GlyphCase{"AnswerBox", kBox, "-10", "0", 0}),
    CaseName);

}  // namespace
