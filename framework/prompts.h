// The prompt line at the foot of the screen: menu and sub-menu choices, the
// answer line, the any-key wait and the next-step prompt.
#pragma once

#include "framework/text.h"

namespace framework {

class Prompts : public Text {
protected:
    using Text::Text;
};

}  // namespace framework
