#include "framework/qt/run_state.h"

namespace fw::detail {

RunState& State() {
    static auto* state = new RunState;
    return *state;
}

} // namespace fw::detail
