// Chapter 2, items ④ and ⑥: the answers to questions 3 to 6 of textbook
// page 61, each row a label, the question and its answer after it.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

namespace {

struct AnswerRow {
    const char* label;
    const char* question;
    const char* answer;
};

// A row at (margin, y): label in colour 3, the question 81 right of the
// margin in colour 0, the answer after it in colour 5.
void WriteAnswerRow(Morquist& m, double y, const AnswerRow& row) {
    m.WriteAt(3, m.XI0, y, Utf8ToCp932(row.label));
    m.WriteAt(0, m.XI1 + 27, y, Utf8ToCp932(row.question));
    m.WriteAfter(5, Utf8ToCp932(row.answer));
}

}  // namespace

void Morquist::ShowP61Problems3And4Answers() {
    static const AnswerRow kQuestion3[4] = {
        {"(1)", "x/2", "=ﾀx/2ﾀ   ﾀ1/2ﾀxでもよい"},
        {"(2)", "3/y", "=ﾀ3/yﾀ"},
        {"(3)", "a/b", "=ﾀa/bﾀ"},
        {"(4)", "(x+y)/4", "=ﾀx+y/4ﾀ"},
    };
    static const AnswerRow kQuestion4[4] = {
        {"(1)", "ﾀa/3ﾀ", "=a/3"},
        {"(2)", "ﾀ8/tﾀ", "=8/t"},
        {"(3)", "ﾀx+y/2ﾀ", "=(x+y)/2"},
        {"(4)", "ﾀ1/3ﾀ(a-b)", "=(a-b)/3"},
    };
    PsLINE(0, 0, true, 1760, 1300, 15, 2, 15);
    struct Column {
        double margin;
        const char* heading;
        const AnswerRow* rows;
    };
    const Column columns[2] = {{40, "教科書P61 問3解答", kQuestion3}, {640, "問4解答", kQuestion4}};
    for (int c = 0; c < 2; ++c) {
        XI0 = columns[c].margin;
        XI1 = XI0 + 54;
        WriteAt(7, XI0, 30, Utf8ToCp932(columns[c].heading));
        WaitAnyKey();
        for (int k = 0; k < 4; ++k) {
            WriteAnswerRow(*this, YI1 + 80, columns[c].rows[k]);
            // The last answer closes the screen without a key.
            if (c == 0 || k < 3) WaitAnyKey();
        }
    }
}

void Morquist::ShowP61Problems5And6Answers() {
    PsLINE(0, 0, true, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 54;
    WriteAt(3, XI0, 30, "教科書P61 問5　解答"_sj);
    WriteAnswerRow(*this, YI1 + 75, {"(1)", "50*n+30", "=50n+30"});
    WriteAnswerRow(*this, YI1 + 80, {"(2)", "x/4-y*4", "=ﾀx/4ﾀ-4y"});
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 80, "教科書P61 問6　解答"_sj);
    WriteAnswerRow(*this, YI1 + 60, {"(1)", "1000-5a", "=1000-5*a"});
    WriteAnswerRow(*this, YI1 + 90, {"(2)", "3(x+y)-ﾀz/2ﾀ", "=3*(x+y)-z/2"});
}

}  // namespace morquist
