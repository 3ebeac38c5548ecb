// The Morquist program: its title, main menu and chapters.
#pragma once

#include "geometry/geometry.h"

namespace morquist {

class Morquist : public geometry::Geometry {
public:
    Morquist();

protected:
    void MainMenu() override;
};

}  // namespace morquist
