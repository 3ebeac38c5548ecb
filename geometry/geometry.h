// The geometry and graph-plotting library, on top of the framework and its
// figures: every program carries it.
#pragma once

#include "framework/framework.h"

namespace geometry {

class Geometry : public framework::Framework {
protected:
    using Framework::Framework;
};

}  // namespace geometry
