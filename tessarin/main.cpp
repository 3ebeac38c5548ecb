#include "tessarin/tessarin.h"
#include "surface/window.h"

int main() {
    return surface::RunInWindow("Tessarin", [] {
        tessarin::Tessarin program;
        program.BAS_MAIN();
    });
}
