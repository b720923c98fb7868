// Start-up: from the command line to a filled launch list, in configuration or folder mode.
#pragma once

// True when the list holds at least one row and every setting passed; false once a message
// box has told the user why.
bool LoadLaunchList();
