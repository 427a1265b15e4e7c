#pragma once
#include "dialogs/MessageDlg.h"

namespace spindora {

const MessageDlgLayout& PauseDlgLayout();
const MessageDlgLayout& DoneDlgLayout();
const MessageDlgLayout& NewGameDlgLayout();
const MessageDlgLayout& EndGameDlgLayout();

}  // namespace spindora
