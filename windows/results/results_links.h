#pragma once
// What the result windows ask of the other windows of the program. Each call does nothing
// when the window it reaches does not exist (as in tests that build only some of the windows).

// The scenario rows looked at since the sweep chart was last opened lose their mark.
void whitenScenarioRows();
