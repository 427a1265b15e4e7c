#pragma once
// A private X server for one test, and the player's hands and eyes on it: windows found by
// their size, mouse clicks and typing through xdotool, screenshots through ImageMagick.
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace spindora::test {

// True when a program can be found on PATH.
bool HaveProgram(const QString& name);

// The first of `programs` that is not on PATH; empty when all are there.
QString MissingProgram(const QStringList& programs);

// A new file at `path` holding `bytes`.
bool WriteNewFile(const QString& path, const QByteArray& bytes);

// Polls `ready` every 20 ms until it holds or `timeoutMs` have passed.
bool PollUntil(const std::function<bool()>& ready, int timeoutMs);

class XSession {
public:
    // Starts Xvfb on a display the server picks itself (-displayfd), so that parallel
    // tests never meet; IsUp() says whether it came up.
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool IsUp() const { return !display_.isEmpty(); }
    const QString& Display() const { return display_; }

    struct Window {
        QString id;
        QRect frame;  // on the screen
    };
    // The mapped top-level windows.
    std::vector<Window> Windows() const;
    // The one mapped window of `size`, waited for up to `timeoutMs`.
    std::optional<Window> WaitForWindow(QSize size, int timeoutMs) const;
    // Waits until no mapped window of `size` is left.
    bool WaitUntilGone(QSize size, int timeoutMs) const;

    void Click(QPoint onScreen, int button = 1) const;
    void Type(const QString& text) const;
    void Key(const QString& keys) const;
    QImage Screenshot() const;

    // The game's environment on this display: xcb, no sound, and its runtime, settings and
    // state folders under `scratch`.
    QProcessEnvironment GameEnvironment(const QString& scratch) const;
    // Waits for the 500 x 366 main window and its splash, and clicks the splash away right
    // of ZIBBO's dials, where the board takes no press should the splash have gone by
    // itself. The board's top left on the screen; nothing when a window did not come.
    std::optional<QPoint> PastSplash() const;

    // Runs a program against this display and returns its standard output.
    QString Run(const QString& program, const QStringList& arguments) const;

private:
    QProcess server_;
    QString display_;
};

}  // namespace spindora::test
