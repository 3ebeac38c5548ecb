// Items whose screens are not built yet: each returns straight to its
// sub-menu. An item moves out of this file when it is built.
#include "tessarin/tessarin.h"

namespace tessarin {

void Tessarin::PriceRelationDrill() {}

}  // namespace tessarin
