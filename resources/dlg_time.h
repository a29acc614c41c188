// Control ids of template 4, "Change Time Penalties".
#pragma once

// The six edit fields, in the order of the penalties: Confirm, Undo error, Little hint, Big hint,
// Word list alphabetical, Word list by frequency.
inline constexpr int kTimeFieldIds[6] = {101, 102, 103, 104, 112, 114};
