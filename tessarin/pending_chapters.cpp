// Chapters whose screens are not built yet: each returns straight to the
// main menu, which draws itself again. A chapter moves out of this file
// when it is built.
#include "tessarin/tessarin.h"

namespace tessarin {

void Tessarin::RunRelationMeaningChapter() {}
void Tessarin::RunPracticeP80() {}
void Tessarin::RunReviewP82() {}
void Tessarin::RunReviewP84() {}

}  // namespace tessarin
