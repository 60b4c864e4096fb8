#pragma once

// Typing into an editable drop-down is a way of choosing one of its entries, never of giving
// it a value it does not hold. Text that names an entry selects that entry; case and
// surrounding blanks do not matter, and numbers are compared by value ("narrow" names
// "NARROW", "07" names "7"). Any other text gives way to the selected entry's text (empty with
// no selection), so the list never shows what it will not give as its choice.

class QComboBox;

namespace quorl::ui {

// Settles the typed text each time the list's field is left or Enter is pressed in it.
void keepTypingToEntries(QComboBox* list);

// Settles it now: for a window closing while the field still has the keyboard.
void settleTypedText(QComboBox* list);

} // namespace quorl::ui
