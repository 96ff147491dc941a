#include "windows/main/upper_reservoir_state.h"

ResSupState& resSupState() {
    static ResSupState state;
    return state;
}
