#pragma once

class QAccessibleInterface;

namespace spindora {

class THighscoreDlg;

// The best-times window for screen readers: a table of five rows with two columns, time
// and name, read row by row, in place of the fifteen labels it is drawn with; then the name
// box, the check box and the buttons.
QAccessibleInterface* MakeHighscoreAccessible(THighscoreDlg* dialog);

// Names the window's parts in the current language each time it is shown, and tells
// screen readers that the list may read differently now.
void NameHighscoreParts(THighscoreDlg& dialog, int tongue);

}  // namespace spindora
