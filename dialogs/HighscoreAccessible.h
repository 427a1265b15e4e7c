#pragma once

class QAccessibleInterface;

namespace spindora {

class HighscoreTable;
class THighscoreDlg;

// The best-times window for screen readers: its list first, then the name box, the check box
// and the buttons. The list is a table of five rows with two columns, time and name, read
// row by row under the column headers "Time" and "Name", in place of the fifteen labels it
// is drawn with; it takes the focus on the row walked to (HighscoreTable.h).
QAccessibleInterface* MakeHighscoreAccessible(THighscoreDlg* dialog);
QAccessibleInterface* MakeHighscoreTableAccessible(HighscoreTable* table);

// Names the window's parts in the current language each time it is shown, and tells
// screen readers that the list may read differently now.
void NameHighscoreParts(THighscoreDlg& dialog, int tongue);

}  // namespace spindora
