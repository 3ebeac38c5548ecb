// The Tessarin program: its title, main menu and chapters.
#pragma once

#include "geometry/geometry.h"

namespace tessarin {

class Tessarin : public geometry::Geometry {
public:
    Tessarin();

protected:
    void MainMenu() override;
};

}  // namespace tessarin
