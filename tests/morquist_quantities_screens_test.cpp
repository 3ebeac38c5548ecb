// Chapter 3 of Morquist, the fixed screens: the change example, the answers
// of P62 問7 and 問8, examples 6 and 7 and the P64 answers. Each screen's
// lines are read back from the log of a scripted run: their texts with
// every half-width or full-width character as written, their colours,
// where each piece starts, and the key waits.
#include <map>
#include <string>
#include <vector>

#include "tests/morquist_quantities_test_support.h"

namespace {

using namespace quantities_testing;
using replay::Result;

const std::string kScreenClear = "PsLINE 0 0 1760 1300 15 2 15 pen=3";

// x of a piece that starts `gap` after the previous one ended.
constexpr double After(double gap = 0) { return -1000 - gap; }

// One run of a screen's text with no gap in it, or one stacked fraction
// (`num` set): it starts at `x` on the line `y`; a text's pieces are drawn
// one after another, each in its colour.
struct Segment {
    double x, y;
    std::vector<std::pair<std::string, int>> pieces;
    std::string num, den;
    int colour = -1;
};
Segment Text(double x, double y, std::vector<std::pair<std::string, int>> pieces) {
    return {x, y, std::move(pieces), "", "", -1};
}
Segment Frac(double y, std::string num, std::string den, int colour) {
    return {After(), y, {}, std::move(num), std::move(den), colour};
}

// The characters of a UTF-8 text.
std::vector<std::string> Characters(const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = (s[i] & 0x80) == 0 ? 1 : (s[i] & 0xE0) == 0xC0 ? 2 : (s[i] & 0xF0) == 0xE0 ? 3 : 4;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

// Checks the segments in order on the screen's log.
void ExpectSegments(const std::vector<std::string>& log, const std::vector<Segment>& segments) {
    auto glyphs = GlyphsIn(log);
    auto fractions = FractionsIn(log);
    double pen = 0;
    for (const auto& s : segments) {
        double x = s.x <= -1000 ? pen + (-1000 - s.x) : s.x;
        if (!s.num.empty()) {
            SCOPED_TRACE(s.num + "/" + s.den);
            auto f = std::find_if(fractions.begin(), fractions.end(), [&](const Fraction& f) {
                return std::fabs(f.left - x) < 0.01 && f.y > s.y && f.y < s.y + 60;
            });
            ASSERT_NE(f, fractions.end()) << "no fraction at " << x << "," << s.y;
            EXPECT_EQ(f->num, s.num);
            EXPECT_EQ(f->den, s.den);
            EXPECT_EQ(f->colour, s.colour);
            pen = f->right;
            continue;
        }
        std::string text;
        std::vector<int> colours;
        for (const auto& [piece, colour] : s.pieces) {
            text += piece;
            for (std::size_t k = 0; k < Characters(piece).size(); ++k) colours.push_back(colour);
        }
        // A blank draws nothing: the line is read from the first glyph, and
        // a blank counts with the character after it.
        auto chars = Characters(text);
        std::size_t lead = 0;
        while (lead < chars.size() && chars[lead] == " ") ++lead, x += 27;
        text = text.substr(lead);
        colours.erase(colours.begin(), colours.begin() + lead);
        chars.erase(chars.begin(), chars.begin() + lead);
        int trail = 0;
        while (!chars.empty() && chars.back() == " ") {
            chars.pop_back(), colours.pop_back(), text.pop_back();
            ++trail;
        }
        for (std::size_t k = chars.size(); k-- > 1;)
            if (chars[k - 1] == " ") colours[k - 1] = colours[k];
        SCOPED_TRACE(text);
        Line line = LineAt(glyphs, x, s.y);
        EXPECT_EQ(line.text, text) << "at " << x << "," << s.y;
        EXPECT_EQ(line.colours, colours);
        pen = line.end_x + 27 * trail;
    }
}

struct Screen {
    int item;
    int waits;
    std::vector<Segment> segments;
};

const Screen kChange = {
    1, 7,
    {Text(40, 30, {{"例1 ", 3}, {"5000円出して、1個x円のケーキを6個買ったときの", 0}}),
     Text(101, 80, {{"おつりを式に表しなさい。", 0}}),
     Text(101, 130, {{"<解答>", 3}}),
     Text(101, 190, {{"(おつり)=(出したお金)-(代金)", 3}}),
     Text(101, 250, {{"(代金)=(単価)×(個数)", 3}}),
     Text(After(30), 250, {{"だから", 0}}),
     Text(101, 310, {{"代金は、", 0}, {"x×6=", 0}, {"6x(円)", 3}}),
     Text(101, 370, {{"おつりは、", 0}, {"5000-6x(円)", 5}}),
     Text(40, 450, {{"教科書P62 問7 をしなさい。", 3}})}};

const Screen kP62Problem7 = {
    2, 8,
    {Text(121, 30, {{"教科書P62 問7 解答", 3}}),
     Text(40, 100, {{"(1)残金＝出したお金－代金", 3}}),
     Text(121, 160, {{"出したお金＝", 0}, {"a×4", 0}, {"=4a (円） ", 3}, {"だから", 0}}),
     Text(121, 220, {{"答　4a-500（円）", 5}}),
     Text(40, 290, {{"(2)", 3}}),
     Text(After(10), 290, {{"代金 ＝ リンゴの代金 + みかんの代金", 3}}),
     Text(121, 340, {{"リンゴの代金　=　", 0}, {"x×3", 0}, {"=3x (円) ", 3}}),
     Text(121, 390, {{"みかんの代金　=　", 0}, {"y×5", 0}, {"=5y (円) ", 3}}),
     Text(After(30), 390, {{"だから", 0}}),
     Text(121, 450, {{"答　3x+5y (円)", 5}})}};

const Screen kP62Problem8 = {
    4, 4,
    {Text(121, 30, {{"教科書P62 問8 解答", 3}}),
     Text(40, 100, {{"(1)(道のり)=(速さ)×(時間)", 3}, {"だから", 0}}),
     Text(121, 160, {{"x×4", 0}, {"=4x (km) ", 5}}),
     Text(40, 260, {{"(2)", 3}}),
     Text(After(10), 260, {{"(時間)=", 3}}),
     Frac(260, "道のり", "速さ", 3),
     Text(After(), 260, {{"だから", 0}}),
     Text(121, 330, {{"y÷2", 0}, {"=", 5}}),
     Frac(330, "y", "2", 5),
     Text(After(), 330, {{"　(時間） ", 5}})}};

const Screen kPercentOfArea = {
    6, 7,
    {Text(30, 30, {{"例6 ", 7}, {"ある学校の中庭の面積は", 0}, {"am", 3}}),
     Text(30, 80, {{"その", 0}, {"13％", 3}, {"が花だんである。", 0}}),
     Text(30, 130, {{"花だんの面積を表す式は？", 0}}),
     Text(30, 180, {{"<解答>", 7}}),
     Text(30, 230, {{"花だんの面積=(中庭の面積)×(割合)", 3}}),
     Text(30, 280, {{" だから ", 0}}),
     Text(30, 360, {{"a×", 0}}),
     Frac(360, "13", "100", 0),
     Text(After(), 360, {{"=", 0}}),
     Frac(360, "13", "100", 5),
     Text(After(), 360, {{"a (m", 5}}),
     Text(30, 440, {{"0.13a(m", 3}}),
     Text(640, 30, {{"教科書P63問9 をしなさい。", 7}}),
     Text(640, 110, {{"(1)", 3}, {"47％=", 0}}),
     Frac(110, "47", "100", 0),
     Text(After(27), 110, {{"だから", 0}}),
     Text(721, 190, {{"a×", 0}}),
     Frac(190, "47", "100", 0),
     Text(After(), 190, {{"=", 0}}),
     Frac(190, "47", "100", 5),
     Text(After(), 190, {{"a (g)", 5}}),
     Text(721, 250, {{"0.47a(g)でもよい", 3}}),
     Text(640, 330, {{"(2)", 3}, {"3割引き→", 0}, {"はらった代金は7割", 3}}),
     Text(721, 410, {{"7割=", 0}}),
     Frac(410, "7", "10", 0),
     Text(After(27), 410, {{"だから", 0}}),
     Text(721, 490, {{"y×", 0}}),
     Frac(490, "7", "10", 0),
     Text(After(), 490, {{"=", 0}}),
     Frac(490, "7", "10", 5),
     Text(After(), 490, {{"y (円)", 5}}),
     Text(721, 550, {{"0.7y(円)でもよい", 3}})}};

const Screen kExpressionMeaning = {
    7, 13,
    {Text(40, 30, {{"例7 ", 7}, {"ある博物館の入館料は、", 0}}),
     Text(40, 80, {{"おとな1人が", 0}, {"a円", 3}, {"、", 0}}),
     Text(40, 130, {{"子ども1人が", 0}, {"b円", 3}, {"である。", 0}}),
     Text(40, 180, {{"2a+3b(円)", 3}, {"は何を表していますか。", 0}}),
     Text(40, 230, {{"<解答>", 7}}),
     Text(40, 280, {{"2aは", 0}, {" おとな2人の入館料", 3}}),
     Text(40, 330, {{"3bは", 0}, {" 子ども3人の入館料", 3}}),
     Text(40, 380, {{" だから ", 0}}),
     Text(40, 440, {{"おとな2人と子ども3人の入館料の合計", 5}}),
     Text(640, 30, {{"教科書P63問10 をしなさい。", 7}}),
     Text(640, 80, {{"(1)", 3}, {"aは", 0}, {" おとな1人の入館料", 3}}),
     Text(721, 130, {{"2bは", 0}, {" 子ども2人の入館料", 3}}),
     Text(721, 180, {{" だから ", 0}}),
     Text(721, 230, {{"おとな1人と子ども2人の", 5}}),
     Text(721, 280, {{"入館料の合計", 5}}),
     Text(640, 330, {{"(2)", 3}, {"aは", 0}, {" おとな1人の入館料", 3}}),
     Text(721, 380, {{"bは", 0}, {" 子ども1人の入館料", 3}}),
     Text(721, 430, {{" だから ", 0}}),
     Text(721, 480, {{"おとな1人分と子ども1人分の", 5}}),
     Text(721, 530, {{"入館料の差額", 5}}),
     Text(640, 590, {{"教科書P64 問11 をしなさい。", 0}})}};

const Screen kP64Problem11 = {
    8, 7,
    {Text(121, 30, {{"教科書P64 問11 解答", 7}}),
     Text(40, 80, {{"(1)", 3}, {"xは", 0}, {" 分速60mで歩いた時間", 3}}),
     Text(121, 130, {{"yは", 0}, {" 分速80mで歩いた時間", 3}}),
     Text(121, 180, {{" だから ", 0}}),
     Text(121, 230, {{"家を出てから駅に着くまでに歩いた時間", 5}}),
     Text(40, 280, {{"(2)", 3}, {"60xは", 0}, {" 分速60mで歩いた道のり", 3}}),
     Text(121, 330, {{"80yは", 0}, {" 分速80mで歩いた道のり", 3}}),
     Text(121, 380, {{" だから ", 0}}),
     Text(121, 430, {{"家から駅までの道のり", 5}}),
     Text(40, 490, {{"教科書P64 練習問題 をしなさい。", 0}})}};

const Screen kPracticeP64 = {
    9, 2,
    {Text(121, 30, {{"教科書P64 練習問題 解答", 3}}),
     Text(40, 80, {{"(1)", 3}, {"7％引き→", 0}, {"はらった代金は93％", 3}}),
     Text(121, 160, {{"93％=", 0}}),
     Frac(160, "93", "100", 0),
     Text(After(27), 160, {{"だから", 0}}),
     Text(121, 240, {{"x×", 0}}),
     Frac(240, "93", "100", 0),
     Text(After(), 240, {{"=", 0}}),
     Frac(240, "93", "100", 5),
     Text(After(), 240, {{"x (円)", 5}}),
     Text(121, 300, {{"0.93x(円)でもよい", 3}}),
     Text(40, 370, {{"(2)", 3}}),
     Text(After(10), 370, {{"合計金額 ＝ 10円玉の金額 + 1円玉の金額", 3}}),
     Text(121, 420, {{"10円玉の金額　=　", 0}, {"10×a", 0}, {"=10a (円) ", 3}}),
     Text(121, 470, {{"1円玉の金額　=　", 0}, {"1×b", 0}, {"=b (円) ", 3}}),
     Text(After(30), 470, {{"だから", 0}}),
     Text(121, 530, {{"答　10a+b (円)", 5}})}};

const Screen* const kScreens[] = {&kChange,           &kP62Problem7,  &kP62Problem8, &kPercentOfArea,
                                  &kExpressionMeaning, &kP64Problem11, &kPracticeP64};

class QuantitiesScreensTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    morquist::Morquist program;
};

TEST_F(QuantitiesScreensTest, EachScreenShowsItsLinesAndTakesItsKeys) {
    for (const Screen* screen : kScreens) {
        SCOPED_TRACE("item " + std::to_string(screen->item));
        // Chosen twice: the second time draws the same screen again.
        const std::string keys = Item(screen->item) + Repeat("a", screen->waits);
        Result r = RunMorquist(program, keys + std::to_string(screen->item) + "{enter}" +
                                            Repeat("a", screen->waits));
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto clears = IndicesOf(r.log, kScreenClear);
        ASSERT_EQ(clears.size(), 2u);
        std::size_t end = NextItemLine(r.log, clears[0]);
        ASSERT_LT(end, clears[1]) << "the sub-menu comes back after the last key";
        std::vector<std::string> first(r.log.begin() + clears[0], r.log.begin() + end);
        std::size_t end2 = NextItemLine(r.log, clears[1]);
        ASSERT_NE(end2, std::string::npos);
        EXPECT_EQ(std::vector<std::string>(r.log.begin() + clears[1], r.log.begin() + end2), first);

        // Exactly its waits, and none after its last line.
        auto waits = IndicesOf(first, kAnyKeyBox);
        EXPECT_EQ(waits.size(), std::size_t(screen->waits));
        auto glyphs = GlyphsIn(first);
        ASSERT_FALSE(glyphs.empty());
        EXPECT_GT(glyphs.back().index, waits.back());
        ExpectSegments(first, screen->segments);
        // Nothing reaches the prompt strip.
        for (const auto& g : glyphs) EXPECT_LT(g.y, 600) << g.ch;
        surface::Surface::Shutdown();
    }
}

TEST_F(QuantitiesScreensTest, OneKeyTooFewKeepsTheScreenWaiting) {
    for (const Screen* screen : kScreens) {
        SCOPED_TRACE("item " + std::to_string(screen->item));
        Result r = RunMorquist(program, Item(screen->item) + Repeat("a", screen->waits - 1));
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        std::size_t start = IndicesOf(r.log, kScreenClear).at(0);
        EXPECT_EQ(NextItemLine(r.log, start), std::string::npos);
        EXPECT_EQ(r.log.back().rfind("PsSYMBOL40 304 666 \"。\"", 0), 0u) << r.log.back();
        surface::Surface::Shutdown();
    }
}

TEST_F(QuantitiesScreensTest, LeftColumnsEndBeforeTheRightColumn) {
    for (int item : {6, 7}) {
        SCOPED_TRACE("item " + std::to_string(item));
        Result r = RunMorquist(program, Item(item) + Repeat("a", 13));
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        std::size_t start = IndicesOf(r.log, kScreenClear).at(0);
        std::vector<std::string> screen(r.log.begin() + start, r.log.end());
        auto glyphs = GlyphsIn(screen);
        // Every glyph of the left column, its advance included, and every
        // fraction there stays left of x 640; the widest lines come close.
        std::map<double, double> ends;  // line y: where its last glyph ends
        for (const auto& g : glyphs) {
            if (g.x >= 640) continue;
            EXPECT_LE(g.x + g.advance, 640) << g.ch << " at " << g.x << "," << g.y;
            ends[g.y] = std::max(ends[g.y], g.x + g.advance);
        }
        for (const auto& f : FractionsIn(screen)) {
            if (f.left < 640) {
                EXPECT_LE(f.right, 640);
            }
        }
        if (item == 6) {
            EXPECT_EQ(ends[30], 638);
            EXPECT_EQ(ends[230], 639);
        } else {
            EXPECT_EQ(ends[180], 637);
            EXPECT_EQ(ends[440], 638);
        }
        surface::Surface::Shutdown();
    }
}

}  // namespace
