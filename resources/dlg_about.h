// Control ids of template 9, "About Quillo!".
#pragma once

// The version line ("Version ..." once set up) and the line naming the program.
enum : int { kAboutVersionId = 101, kAboutLegalId = 102 };
