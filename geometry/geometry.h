// The geometry and graph-plotting library, on top of the framework and its
// figures: every program carries it.
#pragma once

#include "framework/figures.h"

namespace geometry {

class Geometry : public framework::Figures {
protected:
    using Figures::Figures;
};

}  // namespace geometry
