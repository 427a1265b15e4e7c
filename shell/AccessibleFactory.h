#pragma once

namespace spindora {

// Teaches Qt's accessibility how the game's own widgets read: the main window as a frame
// with its status line of news, the board with its pieces, the tool-bar toggles, the clock,
// and the best-times list as a table.
// Installing it again changes nothing.
void InstallAccessibleFactory();

}  // namespace spindora
