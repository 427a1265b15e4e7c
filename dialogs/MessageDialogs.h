#pragma once
#include "dialogs/MessageDlg.h"

namespace spindora {

const MessageDlgLayout& PauseDlgLayout();
const MessageDlgLayout& DoneDlgLayout();
const MessageDlgLayout& NewGameDlgLayout();
const MessageDlgLayout& EndGameDlgLayout();
// After the solved notice of a game in which a hint was shown.
const MessageDlgLayout& HintedDlgLayout();

}  // namespace spindora
