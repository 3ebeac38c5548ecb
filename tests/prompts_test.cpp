// The answer line, the menu prompts and the step prompts, driven by scripted
// keys and checked on the operation log and the registers they leave.
#include <sstream>
#include <string>
#include <vector>

#include "tests/harness.h"

namespace {

using surface::Str;
using surface::Stop;

using testing_support::Drawn;
using testing_support::TextsIn;

// The texts drawn, joined in the order drawn.
std::string Joined(const std::vector<Drawn>& texts) {
    std::string s;
    for (const auto& d : texts) s += d.text;
    return s;
}

// x of every cursor dot drawn in colour 5, in order.
std::vector<double> DotsShown(const std::vector<std::string>& log) {
    std::vector<double> xs;
    for (const auto& line : log) {
        std::istringstream in(line);
        std::string op;
        double x, y, r, colour;
        in >> op >> x >> y >> r >> colour;
        if (op == "PsCIRCLE" && colour == 5) {
            EXPECT_EQ(y, 656) << line;
            EXPECT_EQ(r, 4) << line;
            xs.push_back(x);
        }
    }
    return xs;
}

std::size_t IndexOf(const std::vector<std::string>& log, const std::string& line,
                    std::size_t from = 0) {
    for (std::size_t i = from; i < log.size(); ++i)
        if (log[i] == line) return i;
    return std::string::npos;
}

const std::string kClearTyped = "PsLINE 1056 640 1248 670 15 2 15 pen=3";
const std::string kEraseField = "PsLINE 1008 640 1248 670 15 2 15 pen=3";

class AnswerLineTest : public testing_support::SurfaceTest {
protected:
    testing_support::TestProgram p;
    void SetUp() override {
        SurfaceTest::SetUp();
        p.KAIX = 1056;
        p.KAIY = 648;
    }
    // A fresh surface with scripted keys, in the font and pen of start-up.
    void Begin(const std::string& keys) {
        StartSurface(keys);
        surface::FE_SETFONTNAME(0, "ｺﾞｼｯｸ"_sj);
        surface::FE_SETFONTSIZE(0, 16);
        surface::FE_SETDRAWWIDTH(0, 3);
    }
};

struct LineCase {
    const char* keys;
    const char* line;  // AINP_s on return
    double value;      // AINP
    double ccc1;       // 5 when a character was echoed during the call
};

TEST_F(AnswerLineTest, EditsTheLineAsTyped) {
    const LineCase cases[] = {
        {"{enter}", "", 0, 0},
        {"7{enter}", "7", 7, 5},
        {"12{bs}3{enter}", "3", 3, 5},          // Backspace clears the whole line
        {"12{del}{enter}", "", 0, 5},           // so does code 12
        {"0123456789{enter}{enter}", "", 0, 5}, // Enter on a full line clears it
        {"01234567897{enter}", "", 0, 5},       // the key that clears is dropped
        {"0123456789{bs}45{enter}", "45", 45, 5},
        {"a+ x{esc}０{enter}", "", 0, 0},       // other keys do nothing
        {"1.5{enter}", "1.5", 1.5, 5},
        {"-2.5{enter}", "-2.5", -2.5, 5},
        {"3/4{enter}", "3/4", 0.75, 5},
        {"-3/4{enter}", "-3/4", -0.75, 5},
        {"3/-4{enter}", "3/-4", -0.75, 5},
        {"/4{enter}", "/4", 0, 5},
        {"1/2/4{enter}", "1/2/4", 0.5, 5},
        {"12/2{enter}", "12/2", 6, 5},
        {"01{enter}", "01", 1, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Begin(c.keys);
        p.CCC1 = 7;
        p.ReadAnswerLine();
        p.ParseTypedNumber();
        EXPECT_EQ(p.AINP_s, c.line);
        EXPECT_FLOAT_EQ(p.AINP, c.value);
        EXPECT_EQ(p.CCC1, c.ccc1);
        EXPECT_EQ(p.I_s, "\r");
        EXPECT_EQ(p.AA_s, "");
        EXPECT_EQ(p.Y, 648);
        EXPECT_EQ(p.YY, 648);
        // The last thing drawn erases the whole field.
        EXPECT_EQ(Log().back(), kEraseField);
    }
}

TEST_F(AnswerLineTest, ZeroDivisorIsClearedLikeBackspace) {
    // An ordinary typo must not end the lesson on the error screen.
    const LineCase cases[] = {
        {"3/0{enter}4{enter}", "4", 4, 5},
        {"3/{enter}2/2{enter}", "2/2", 1, 5},
        {"/{enter}{enter}", "", 0, 5},
        {"0/0{enter}8/2{enter}", "8/2", 4, 5},
        {"3/0.0{enter}1{enter}", "1", 1, 5},
        {"3/-0{enter}1{enter}", "1", 1, 5},
        {"3/.{enter}1{enter}", "1", 1, 5},
        {"1/0/2{enter}1{enter}", "1", 1, 5},   // the divisor 0/2 is 0 too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Begin(c.keys);
        p.ReadAnswerLine();
        p.ParseTypedNumber();
        EXPECT_EQ(p.AINP_s, c.line);
        EXPECT_FLOAT_EQ(p.AINP, c.value);
        // The first Enter cleared the typed characters, not the field.
        std::size_t cleared = IndexOf(Log(), kClearTyped);
        ASSERT_NE(cleared, std::string::npos);
        EXPECT_LT(cleared, IndexOf(Log(), kEraseField));
    }
    // A divisor that is not 0 still divides.
    Begin("3/0.5{enter}");
    p.ReadAnswerLine();
    p.ParseTypedNumber();
    EXPECT_FLOAT_EQ(p.AINP, 6);
}

TEST_F(AnswerLineTest, FullLineIsClearedBeforeEnterIsSeen) {
    // Ten digits and Enter: the editor goes on waiting on an empty line.
    Begin("0123456789{enter}");
    EXPECT_THROW(p.ReadAnswerLine(), Stop);
    EXPECT_EQ(p.AINP_s, "");
    EXPECT_EQ(p.XX, 1056);
    EXPECT_NE(IndexOf(Log(), kClearTyped), std::string::npos);
    EXPECT_EQ(IndexOf(Log(), kEraseField), std::string::npos);
    // Nothing past the tenth character was echoed.
    auto echoed = TextsIn(Log());
    ASSERT_FALSE(echoed.empty());
    EXPECT_EQ(echoed.back().text, "９");
    EXPECT_EQ(echoed.back().x, 1056 + 9 * 16);
}

TEST_F(AnswerLineTest, EchoesInFullWidthBehindTheLabel) {
    Begin("1/2{enter}");
    p.ReadAnswerLine();
    auto texts = TextsIn(Log());
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(Joined(texts), "入力１÷２");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(texts[i].x, 1008 + 16 * i);
        EXPECT_EQ(texts[i].colour, 0);
    }
    for (int i = 2; i < 5; ++i) {
        EXPECT_EQ(texts[i].x, 1056 + 16 * (i - 2));
        EXPECT_EQ(texts[i].y, 648);
        EXPECT_EQ(texts[i].colour, 5);
    }
    EXPECT_EQ(p.AINP_s, "1/2");  // the line keeps the "/"
    // The dot follows the pen: 1064 on the empty line, 16 on per character.
    EXPECT_EQ(DotsShown(Log()), (std::vector<double>{1064, 1080, 1096, 1112}));
    // The pen before the last echo, and the last character drawn.
    EXPECT_EQ(p.X, 1088);
    EXPECT_EQ(p.A_s, "2");
    EXPECT_EQ(p.XX, 1104);
}

TEST_F(AnswerLineTest, PointTakesNoWidth) {
    Begin("1.5{enter}");
    p.ReadAnswerLine();
    // 1, ".", 5 move the cursor 32 units, not 48.
    EXPECT_EQ(DotsShown(Log()), (std::vector<double>{1064, 1080, 1080, 1096}));
    EXPECT_EQ(p.XX, 1088);
    auto texts = TextsIn(Log());
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[3].text, "．");
    EXPECT_EQ(texts[3].x, 1068);
    EXPECT_EQ(texts[4].text, "５");
    EXPECT_EQ(texts[4].x, 1072);
}

TEST_F(AnswerLineTest, NothingEchoedLeavesThePenAfterTheLabel) {
    Begin("x{enter}");
    p.ReadAnswerLine();
    EXPECT_EQ(p.X, 1056 - 16);
    EXPECT_EQ(p.A_s, "力"_sj);
    EXPECT_EQ(p.CCC1, 0);
    // An ignored key draws nothing: only the label was written.
    EXPECT_EQ(Joined(TextsIn(Log())), "入力");
}

TEST_F(AnswerLineTest, KeysTypedBeforeTheCallAreTaken) {
    // The keys were all waiting before the first poll: nothing flushes them,
    // and a second prompt takes the keys left over by the first.
    Begin("5{enter}2{enter}");
    p.ReadAnswerLine();
    EXPECT_EQ(p.AINP_s, "5");
    p.ReadAnswerLine();
    EXPECT_EQ(p.AINP_s, "2");
}

TEST_F(AnswerLineTest, ParseSplitsAtTheFirstSlash) {
    p.AINP_s = "1/2/4";
    p.ParseTypedNumber();
    EXPECT_EQ(p.A_s, "1");
    EXPECT_EQ(p.B_s, "2/4");
    EXPECT_FLOAT_EQ(p.AINP, 0.5);
    p.A_s = "keep";
    p.AINP_s = "-2.5";
    p.ParseTypedNumber();
    EXPECT_FLOAT_EQ(p.AINP, -2.5);
    EXPECT_EQ(p.A_s, "keep");  // no slash: the halves are not touched
}

TEST_F(AnswerLineTest, MenuPromptEndsFiveCellsBeforeTheAnswer) {
    Begin("3{enter}");
    p.AA_s = "ab";
    p.AskMenuChoice();
    auto texts = TextsIn(Log());
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].x, 944);
    EXPECT_EQ(texts[0].y, 648);
    EXPECT_EQ(texts[0].colour, 5);
    EXPECT_FLOAT_EQ(p.AINP, 3);

    // The main menus hand it nothing: only the label is drawn.
    Begin("3{enter}");
    p.AskMenuChoice();
    EXPECT_EQ(Joined(TextsIn(Log())), "入力３");
}

TEST_F(AnswerLineTest, SubmenuItemLineStaysOnTheStrip) {
    Begin("2{enter}");
    p.AA_s = "①終了"_sj;
    p.AskSubmenuChoice();
    auto texts = TextsIn(Log());
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "①");
    EXPECT_EQ(texts[0].x, 16);
    EXPECT_EQ(texts[0].y, 666);
    EXPECT_EQ(texts[0].colour, 0);
    EXPECT_EQ(texts[1].x, 32);
    EXPECT_EQ(p.AA_s, "");
    EXPECT_FLOAT_EQ(p.AINP, 2);
    // Nothing erased the strip: the caller does that.
    EXPECT_TRUE(LogLines("PsLINE 0 657").empty());
}

TEST_F(AnswerLineTest, MessageWaitRestoresColourAndPen) {
    Begin("q");
    surface::FE_SETDRAWWIDTH(0, 1);
    p.CCC1 = 7;
    p.AA_s = "はい"_sj;
    p.WaitAnyKeyWithMessage();
    EXPECT_EQ(Log().front(), "PsLINE 16 657 496 693 13 2 4 pen=3");
    EXPECT_EQ(Log().back(), "PsLINE 0 657 992 720 15 2 15 pen=3");
    auto texts = TextsIn(Log());
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].x, 48);
    EXPECT_EQ(texts[0].y, 666);
    EXPECT_EQ(texts[0].colour, 9);
    EXPECT_EQ(p.I_s, "q");
    EXPECT_EQ(p.CCC1, 7);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 1);
}

class StepPromptTest : public AnswerLineTest {};

TEST_F(StepPromptTest, AnyKeyWaitDrawsBoxAndRestoresTheCaller) {
    Begin("z");
    surface::FE_SETDRAWWIDTH(0, 1);
    p.CCC1 = 7;
    p.WaitAnyKey();
    EXPECT_EQ(Log().front(), "PsLINE 96 657 400 693 13 2 4 pen=3");
    EXPECT_EQ(Log().back(), "PsLINE 0 657 400 693 15 2 15 pen=3");
    auto texts = TextsIn(Log());
    EXPECT_EQ(Joined(texts), "何かキーを押して下さい。");
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts[0].x, 128);
    EXPECT_EQ(texts[0].y, 666);
    EXPECT_EQ(texts[0].colour, 9);
    EXPECT_EQ(p.I_s, "z");
    EXPECT_EQ(p.CCC1, 7);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 1);
    EXPECT_EQ(p.X, 320);
    EXPECT_EQ(p.Y, 666);
    EXPECT_EQ(p.AA_s, "");
}

TEST_F(StepPromptTest, AnyKeyWaitTakesOneKeyOnly) {
    // Two keys typed ahead advance two steps.
    Begin("ab");
    p.WaitAnyKey();
    EXPECT_EQ(p.I_s, "a");
    p.WaitAnyKey();
    EXPECT_EQ(p.I_s, "b");
    EXPECT_THROW(p.WaitAnyKey(), Stop);
}

TEST_F(StepPromptTest, NextStepReadsANumberAndRestoresThePen) {
    const LineCase cases[] = {
        {"1{enter}", "1", 1, 5},
        {"2/2{enter}", "2/2", 1, 5},
        {"1.0{enter}", "1.0", 1, 5},
        {"{enter}", "", 0, 0},
        {"q{enter}", "", 0, 0},        // an ignored key does not end it
        {"5{bs}{enter}", "", 0, 5},
        {"3/0{enter}1{enter}", "1", 1, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Begin(c.keys);
        surface::FE_SETDRAWWIDTH(0, 4);
        p.AINP = 10;
        p.CCC1 = 7;
        p.AskNextStep();
        EXPECT_EQ(p.AINP_s, c.line);
        EXPECT_FLOAT_EQ(p.AINP, c.value);
        EXPECT_EQ(p.CCC1, c.ccc1);  // not restored
        EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 4);
        const auto& log = Log();
        EXPECT_EQ(log.front(), "PsLINE 96 639 400 675 13 2 12 pen=2");
        ASSERT_GE(log.size(), 3u);
        EXPECT_EQ(log[log.size() - 3], "PsLINE 1008 640 1248 670 15 2 15 pen=2");
        EXPECT_EQ(log[log.size() - 2], "PsLINE 1008 639 1168 666 15 2 15 pen=2");
        EXPECT_EQ(log.back(), "PsLINE 96 639 400 675 15 2 15 pen=2");
        auto texts = TextsIn(log);
        ASSERT_GE(texts.size(), 14u);
        std::vector<Drawn> prompt(texts.begin(), texts.begin() + 12);
        EXPECT_EQ(Joined(prompt), "次のステップは１を入力。");
        EXPECT_EQ(prompt[0].x, 128);
        EXPECT_EQ(prompt[0].y, 648);
        EXPECT_EQ(prompt[0].colour, 9);
        EXPECT_EQ(texts[12].text, "入");
        EXPECT_EQ(texts[12].x, 1008);
    }
}

// A keyboard that stays empty for a while: each empty poll idles, and the
// backend notes which cursor dot the window would show while it waits.
class SlowKeyboard : public surface::Backend {
public:
    explicit SlowKeyboard(int empty_polls) : empty_polls_(empty_polls) {}
    double Scale() const override { return 1; }
    void Service(bool) override {}
    std::optional<Str> TakeKey() override {
        if (empty_polls_ > 0) return std::nullopt;
        if (keys_.empty()) throw Stop{Stop::kKeysUsedUp};
        Str k = keys_.front();
        keys_.erase(keys_.begin());
        return k;
    }
    void Idle() override {
        --empty_polls_;
        // The colour of the last dot drawn is what the window shows now.
        const auto& log = surface::Surface::Get().log();
        std::string shown = "none";
        for (auto it = log.rbegin(); it != log.rend(); ++it)
            if (it->rfind("PsCIRCLE", 0) == 0) {
                std::istringstream in(*it);
                std::string op;
                double x, y, r, c;
                in >> op >> x >> y >> r >> c;
                shown = c == 5 ? "dot" : "blank";
                break;
            }
        seen.push_back(shown);
    }
    void Pause(int) override {}
    void WaitUntilClosed() override { throw Stop{Stop::kWindowClosed}; }
    std::string Clock() override { return "09:00:00"; }

    std::vector<std::string> seen;
    std::vector<Str> keys_ = {"\r"};

private:
    int empty_polls_;
};

TEST(CursorBlinkTest, WaitsAlternatelyWithTheDotShownAndHidden) {
    auto backend = std::make_unique<SlowKeyboard>(8);
    SlowKeyboard* keyboard = backend.get();
    auto& s = surface::Surface::Start(std::move(backend));
    s.EnableLog(true);
    testing_support::TestProgram p;
    p.KAIX = 1056;
    p.KAIY = 648;
    p.ReadAnswerLine();
    // Every wait of an idle prompt shows the dot or the blank, in turn, so
    // the dot blinks at the pace of the waits (and nothing spins meanwhile).
    ASSERT_GE(keyboard->seen.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(keyboard->seen[i], i % 2 == 0 ? "dot" : "blank") << "wait " << i;
    surface::Surface::Shutdown();
}

}  // namespace
