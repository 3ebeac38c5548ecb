// Lesson items whose screens are not built yet: each returns straight to its
// sub-menu. An item moves out of this file when it is built.
#include "brenvale/brenvale.h"

namespace brenvale {

// Chapter 2.
void Brenvale::BracketRulesIntroP71() {}
void Brenvale::Example5BracketDrill() {}
void Brenvale::ShowP72Problem4Answers() {}
void Brenvale::Example6SumDifferenceDrill() {}
void Brenvale::ShowP73Problem5Answers() {}
void Brenvale::MagnetProblemP73() {}

// Chapter 3.
void Brenvale::ShowPracticeP73Answers1() {}
void Brenvale::ShowPracticeP73Answers2() {}
void Brenvale::ShowPracticeP73Answers3() {}

// Chapter 4.
void Brenvale::ShowP75Problem3Answers() {}
void Brenvale::Example4BinomialDivisionDrill() {}
void Brenvale::ShowP75Problem4Answers() {}
void Brenvale::Example5FractionTimesNumberDrill() {}
void Brenvale::ExampleProblem1Drill() {}
void Brenvale::DiscussTheMistake() {}

// Chapter 5.
void Brenvale::ShowPracticeP76Answers1() {}
void Brenvale::ShowPracticeP76Answers2() {}

}  // namespace brenvale
