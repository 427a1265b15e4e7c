#pragma once
#include <QString>

#include "dialogs/Texts.h"
#include "game/ButtonHint.h"
#include "game/Mode.h"

namespace spindora {

QString HintText(Hint hint, int tongue);
// The rules of the puzzle of `mode`, as its hint over the rules drawing.
QString RulesText(Mode mode, int tongue);
QString TimeLabelText(int tongue);
QString WindowTitle();
QString StartupFailureText(int tongue);
// Tooltips do not break at a carriage return; the hint texts use one for their line break.
QString AsTooltip(QString text);

}  // namespace spindora

namespace spindora {
// Shown when switching to a puzzle whose board picture cannot be read.
QString SwitchFailureText(int tongue, const QString& path);
// Shown once at close when the settings file cannot be written.
QString SettingsWriteFailureText(int tongue, const QString& path);
// Shown when the desktop has no browser for the maker's web page.
QString WebFailureText(int tongue, const QString& address);
}  // namespace spindora
