#include "morquist/morquist.h"
#include "surface/window.h"

int main() {
    return surface::RunInWindow("Morquist", [] {
        morquist::Morquist program;
        program.BAS_MAIN();
    });
}
