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

// Chapter 5.

}  // namespace brenvale
