#include "brenvale/brenvale.h"
#include "surface/window.h"

int main() {
    return surface::RunInWindow("Brenvale", [] {
        brenvale::Brenvale program;
        program.BAS_MAIN();
    });
}
