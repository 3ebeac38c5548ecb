// Lesson figures: segment and arm angles, curved dotted arrows, point and
// angle labels, angle and segment marks, grid paper and polygon outlines.
#pragma once

#include "framework/prompts.h"

namespace framework {

class Figures : public Prompts {
protected:
    using Prompts::Prompts;
};

}  // namespace framework
