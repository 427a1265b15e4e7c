#pragma once
#include <QRect>
#include <QString>
#include <QImage>
#include <cstdint>
#include <functional>

#include "dialogs/ModalResult.h"
#include "assets/Raster.h"
#include "puzzles/BoardBox.h"
#include "game/Mode.h"

namespace spindora {

// Hinted follows the solved notice of a game in which a hint was shown.
enum class DialogId { Pause, Done, NewGame, EndGame, Splash, Tongue, Info, Highscore, Hinted };


// What the game flow needs of the window around it. The main window implements it; tests
// put a recording fake in its place.
class ShellView {
public:
    virtual ~ShellView() = default;

    virtual void StopTimer() = 0;
    virtual void StartTimer() = 0;
    // Something may begin to count now: a timer that sleeps while nothing counts wakes, its
    // first tick a whole interval from now.
    virtual void WakeTimer() {}
    virtual int ShowModal(DialogId dialog) = 0;
    // The highscore list of `LevelKey`: time 0 shows it, a solving time enters it.
    virtual void ShowHighscore(int32_t time) = 0;

    virtual BoardBox& box() = 0;
    // Batches the board's shows while the whole board is drawn, then shows it once.
    virtual void BeginBoardPaint() = 0;
    virtual void EndBoardPaint() = 0;
    virtual void DrawClock(int32_t ticks) = 0;
    // Device pixels per board pixel the board's pictures are wanted at for the window's zoom,
    // and the fewest the screen itself needs.
    struct SheetScales {
        int wanted;
        int screen;
    };
    virtual SheetScales BoardScales() {
        const int scale = SurfaceScale(box().image());
        return {scale, scale};
    }
    // The board picture of `mode` at `scale` has to be read or painted first: the view runs
    // `make` away from its own thread and hands the picture to GameFlow::TakeSheet.
    virtual void MakeSheetAside(Mode mode, int scale, std::function<QImage()> make) {
        (void)mode, (void)scale, (void)make;
    }

    virtual void PlaceRulesShape(const QRect& windowRect) = 0;
    virtual void ApplyCaptions() = 0;
    virtual void EnableOptionBtn(bool enabled) = 0;
    virtual void SetModeButtonDown(Mode mode) = 0;
    virtual void PlayEffect(int effect) = 0;
    // Keeps the music going while it is switched on; the first step of every tick.
    virtual void MusicUpkeep() {}
    // A background picture could not be loaded when switching to another mode.
    virtual void ReportSwitchFailure(const QString& path) = 0;
    // A hint asked for or shown no longer holds: the board changed, or play stops.
    virtual void DropHint() {}
};

}  // namespace spindora
