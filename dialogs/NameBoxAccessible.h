#pragma once

class QAccessibleInterface;

namespace spindora {

class NameBox;

// The name box for screen readers: an editable text read as its label and its text, once.
// The name it offers is selected whole so that typing replaces it, and Orca 43 reads such a
// selection again on its own as it is made and again as it goes ("Mr. Brain selected", "Text
// unselected"), before and after reading the box; so until the player edits the box, the
// selection it shows is not told.
QAccessibleInterface* MakeNameBoxAccessible(NameBox* box);

}  // namespace spindora
