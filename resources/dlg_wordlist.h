// Control ids of template 10, "Possible Words".
#pragma once

// The list of candidates. It is not in the template: the dialog adds it at run time, sorted or
// unsorted by the list order the player chose.
inline constexpr int kWordListBox = 101;
