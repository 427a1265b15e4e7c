#include "dialogs/MessageDialogs.h"

namespace spindora {
namespace {

constexpr TextPair kYes{"Ja", "Yes"};
constexpr TextPair kNo{"Nein", "No"};
constexpr TextPair kNone{"", ""};

}  // namespace

const MessageDlgLayout& PauseDlgLayout() {
    static const MessageDlgLayout layout{
        "TPauseDlg", "msg", {"Pause", "Pause"}, QRect(32, 21, 185, 24), 16, QRect(144, 88, 94, 27), Glyph::Smiley,
        QRect(), {"Spiel angehalten!", "Game paused!"}, {"Fortsetzen", "Continue"}, kNone, false};
    return layout;
}

const MessageDlgLayout& DoneDlgLayout() {
    static const MessageDlgLayout layout{
        "TDoneDlg", "Msg", {"Gelöst", "Solved"}, QRect(32, 20, 185, 21), 16, QRect(168, 88, 70, 27), Glyph::Smiley,
        QRect(), {"Hurra, geschafft!", "Hurrah, you did it!"}, {"OK", "OK"}, kNone, false};
    return layout;
}

const MessageDlgLayout& NewGameDlgLayout() {
    static const MessageDlgLayout layout{
        "TNewGameDlg", "msg", {"Rätsel aufgeben?", "Give up the puzzle?"}, QRect(40, 13, 169, 37), 15, QRect(92, 88, 70, 27), Glyph::Exit,
        QRect(168, 88, 70, 27),
        {"Willst Du das Rätsel wirklich aufgeben?", "Do you really want to giveup the puzzle?"},
        kYes, kNo, false};
    return layout;
}

const MessageDlgLayout& EndGameDlgLayout() {
    static const MessageDlgLayout layout{
        "TEndGameDlg", "msg", {"Spiel beenden?", "End the game?"}, QRect(32, 13, 185, 37), 13, QRect(92, 88, 70, 27), Glyph::Exit,
        QRect(168, 88, 70, 27),
        {"Willst Du das Spiel wirklich beenden?", "Do you really want to end the game?"},
        kYes, kNo, true};
    return layout;
}

const MessageDlgLayout& HintedDlgLayout() {
    static const MessageDlgLayout layout{
        "THintedDlg", "msg", {"Mit Tipp gelöst", "Solved with a hint"}, QRect(20, 13, 209, 37), 13, QRect(168, 88, 70, 27), Glyph::Smiley,
        QRect(),
        {"Mit Tipp gelöst: diese Zeit kommt nicht in die Bestenliste.",
         "Solved with a hint: this time is not entered in the best times."},
        {"OK", "OK"}, kNone, false};
    return layout;
}

}  // namespace spindora
