// Fraction reduction, gcd and lcm, the floor remainder and fraction sums.
#include "surface/number.h"
#include "tests/text_test_support.h"

namespace {

using text_testing::TextTest;

struct ReduceCase {
    double n, d;
    double yak, yak1, ds, db;
    const char* a2;   // UTF-8; nullptr: left as it was
    const char* a21;
    const char* a3;
};

TEST_F(TextTest, ReduceFractionTable) {
    const ReduceCase cases[] = {
        {6, 8, 2, 1, 3, 4, "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ6/8ﾀ=ﾀ3/4ﾀ"},
        {3, 4, 3, 1, 3, 4, "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ"},
        {-3, 4, 2, -1, -3, 4, "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ"},
        {3, -4, 2, -1, -3, 4, "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ"},
        {-6, -8, 2, 1, 3, 4, "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-6/-8ﾀ=ﾀ3/4ﾀ"},
        {8, 4, 1, 1, 2, 1, "2", "+2", "ﾀ8/4ﾀ=2"},
        {-8, 4, 1, -1, -2, 1, "-2", "-2", "ﾀ-8/4ﾀ=-2"},
        {5, -1, 1, -1, -5, 1, "-5", "-5", "ﾀ5/-1ﾀ=-5"},
        {5, 1, 1, 1, 5, 1, "5", "+5", "ﾀ5/1ﾀ=5"},
        {0, 7, 1, 1, 0, 1, "0", "+0", "ﾀ0/7ﾀ=0"},
        {7, 0, 0, 1, 7, 0, nullptr, nullptr, "ﾀ7/0ﾀ=before"},
        {25, 100, 2, 1, 1, 4, "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "ﾀ25/100ﾀ=ﾀ1/4ﾀ"},
    };
    auto& p = P();
    for (const ReduceCase& c : cases) {
        p.A2_s = "before";
        p.A21_s = "signed before";
        p.DS = c.n;
        p.DB = c.d;
        p.ReduceFraction();
        const std::string label = std::to_string(c.n) + "/" + std::to_string(c.d);
        EXPECT_EQ(double(p.YAK), c.yak) << label;
        EXPECT_EQ(double(p.YAK1), c.yak1) << label;
        EXPECT_EQ(double(p.DS), c.ds) << label;
        EXPECT_EQ(double(p.DB), c.db) << label;
        EXPECT_EQ(p.A2_s, c.a2 ? Sj(c.a2) : "before") << label;
        EXPECT_EQ(p.A21_s, c.a21 ? Sj(c.a21) : "signed before") << label;
        EXPECT_EQ(p.A3_s, Sj(c.a3)) << label;
        EXPECT_EQ(p.A_s, p.TKAI2_s) << label;
    }
}

TEST_F(TextTest, ReduceFractionSideResults) {
    auto& p = P();
    p.DS = 6;
    p.DB = 8;
    p.ReduceFraction();
    EXPECT_EQ(p.A31_s, Sj("+ﾀ6/8ﾀ=+ﾀ3/4ﾀ"));
    EXPECT_EQ(p.TKAI2_s, "+3/4");
    EXPECT_EQ(double(p.X3), 2);
    EXPECT_EQ(double(p.X4), 24);

    p.DS = -3;
    p.DB = 4;
    p.ReduceFraction();
    EXPECT_EQ(p.A31_s, Sj("ﾀ-3/4ﾀ=-ﾀ3/4ﾀ"));
    EXPECT_EQ(p.TKAI1_s, "-3/4");

    p.DS = 3;
    p.DB = -4;
    p.ReduceFraction();
    EXPECT_EQ(p.A1_s, Sj("ﾀ3/-4ﾀ"));

    // Denominators 0 and 1 leave the gcd and lcm alone.
    for (double d : {0.0, 1.0}) {
        p.X3 = 11;
        p.X4 = 12;
        p.DS = 5;
        p.DB = d;
        p.ReduceFraction();
        EXPECT_EQ(double(p.X3), 11);
        EXPECT_EQ(double(p.X4), 12);
    }
    p.DS = 0;
    p.DB = 7;
    p.ReduceFraction();
    EXPECT_EQ(double(p.X3), 7);
    EXPECT_EQ(double(p.X4), 0);
}

TEST_F(TextTest, FloorRemainder) {
    struct Case {
        double a, b, r;
    };
    const Case cases[] = {{7, 3, 1}, {-7, 3, 2}, {7, -3, -2}, {-1, 4, 3}, {0, 5, 0}, {1.5, 2, 1.5}};
    for (const Case& c : cases)
        EXPECT_EQ(double(testing_support::TestProgram::FnMod(c.a, c.b)), c.r) << c.a << " " << c.b;
    try {
        testing_support::TestProgram::FnMod(1, 0);
        ADD_FAILURE() << "no error";
    } catch (const surface::RuntimeError& e) {
        EXPECT_EQ(e.code, surface::kErrDivisionByZero);
    }
}

TEST_F(TextTest, GcdAndLcm) {
    struct Case {
        double a, b, gcd, lcm;
    };
    const Case cases[] = {{6, 8, 2, 24}, {4, -6, -2, 12}, {1.5, 2, 0.5, 6}, {0, 9, 9, 0}, {9, 0, 9, 0}};
    auto& p = P();
    for (const Case& c : cases) {
        p.DS = c.a;
        p.DB = c.b;
        p.GcdLcm();
        EXPECT_EQ(double(p.X3), c.gcd) << c.a << " " << c.b;
        EXPECT_EQ(double(p.X4), c.lcm) << c.a << " " << c.b;
        EXPECT_EQ(double(p.DS), c.a);
        EXPECT_EQ(double(p.DB), c.b);
    }
}

TEST_F(TextTest, SumOfTwoFractions) {
    auto& p = P();
    p.DSM1 = 1;
    p.DBM1 = 4;
    p.DSM2 = 1;
    p.DBM2 = 6;
    p.SumTwoFractions();
    EXPECT_EQ(double(p.DB), 12);
    EXPECT_EQ(double(p.DS1), 3);
    EXPECT_EQ(double(p.DS2), 2);
    EXPECT_EQ(double(p.DS4), 5);
    EXPECT_EQ(p.A1_s, Sj("ﾀ3/12ﾀ"));
    EXPECT_EQ(p.A21_s, Sj("+ﾀ2/12ﾀ"));
    EXPECT_EQ(p.A4_s, Sj("ﾀ5/12ﾀ"));
    EXPECT_EQ(p.A3_s, Sj("ﾀ3+2/12ﾀ"));
    EXPECT_EQ(p.A5_s, Sj("ﾀ3/12ﾀ+ﾀ2/12ﾀ"));

    p.DSM1 = -1;
    p.DBM1 = 4;
    p.DSM2 = 1;
    p.DBM2 = 6;
    p.SumTwoFractions();
    EXPECT_EQ(double(p.DS1), -3);
    EXPECT_EQ(double(p.DS4), -1);
    EXPECT_EQ(p.A1_s, Sj("-ﾀ3/12ﾀ"));
    EXPECT_EQ(p.A4_s, Sj("-ﾀ1/12ﾀ"));
    EXPECT_EQ(p.A3_s, Sj("ﾀ-3+2/12ﾀ"));
    EXPECT_EQ(p.A5_s, Sj("-ﾀ3/12ﾀ+ﾀ2/12ﾀ"));
    EXPECT_EQ(p.A21_s, Sj("+ﾀ2/12ﾀ"));

    // A whole addend and a negative denominator.
    p.DSM1 = 2;
    p.DBM1 = 1;
    p.DSM2 = 1;
    p.DBM2 = -3;
    p.SumTwoFractions();
    EXPECT_EQ(double(p.DB), 3);
    EXPECT_EQ(double(p.DS1), 6);
    EXPECT_EQ(double(p.DS2), -1);
    EXPECT_EQ(p.A5_s, Sj("ﾀ6/3ﾀ-ﾀ1/3ﾀ"));
}

}  // namespace
