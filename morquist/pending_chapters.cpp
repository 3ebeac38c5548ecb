// Chapters whose screens are not built yet: each returns straight to the
// main menu, which draws itself again. A chapter moves out of this file
// when it is built.
#include "morquist/morquist.h"

namespace morquist {

void Morquist::RunWithLettersChapter() {}
void Morquist::RunNotationChapter() {}
void Morquist::RunQuantitiesChapter() {}

}  // namespace morquist
