#include "brenvale/brenvale.h"

#include "surface/surface.h"

namespace brenvale {

using namespace surface;

Brenvale::Brenvale() : Geometry("Brenvale", true) {}

void Brenvale::MainMenu() {
    // Until the menu is built: wait for any key, then end.
    do {
        I_s = PfINKEY24();
    } while (I_s.empty());
    PsEND();
}

}  // namespace brenvale
