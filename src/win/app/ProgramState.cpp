#include "win/app/ProgramState.h"

namespace ravix::win {

ProgramState& ProgramState::Process() {
    static ProgramState state;
    return state;
}

}  // namespace ravix::win
