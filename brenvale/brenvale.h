// The Brenvale program: its title, main menu and chapters.
#pragma once

#include "geometry/geometry.h"

namespace brenvale {

class Brenvale : public geometry::Geometry {
public:
    Brenvale();

protected:
    void MainMenu() override;
};

}  // namespace brenvale
