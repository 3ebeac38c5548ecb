#include "tessarin/tessarin.h"

#include "surface/surface.h"

namespace tessarin {

using namespace surface;

Tessarin::Tessarin() : Geometry("Tessarin", false) {}

void Tessarin::MainMenu() {
    // Until the menu is built: wait for any key, then end.
    do {
        I_s = PfINKEY24();
    } while (I_s.empty());
    PsEND();
}

}  // namespace tessarin
