#include "morquist/morquist.h"

#include "surface/surface.h"

namespace morquist {

using namespace surface;

Morquist::Morquist() : Geometry("Morquist", false) {}

void Morquist::MainMenu() {
    // Until the menu is built: wait for any key, then end.
    do {
        I_s = PfINKEY24();
    } while (I_s.empty());
    PsEND();
}

}  // namespace morquist
