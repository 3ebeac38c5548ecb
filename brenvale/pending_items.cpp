// Lesson items whose screens are not built yet: each returns straight to its
// sub-menu. An item moves out of this file when it is built.
#include "brenvale/brenvale.h"

namespace brenvale {

// Chapter 4.
void Brenvale::Example1ProductTableDrill() {}
void Brenvale::Example2DivisionDrill() {}
void Brenvale::ShowP74Problem2Answers() {}
void Brenvale::FlowerBedAreaTask() {}
void Brenvale::Example3DistributiveDrill() {}
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
