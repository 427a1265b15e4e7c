#include "e2e/XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace spindora::test {

bool HaveProgram(const QString& name) { return !QStandardPaths::findExecutable(name).isEmpty(); }

QString MissingProgram(const QStringList& programs) {
    for (const QString& program : programs)
        if (!HaveProgram(program)) return program;
    return {};
}

bool WriteNewFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.write(bytes) == bytes.size();
}

bool PollUntil(const std::function<bool()>& ready, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > timeoutMs) return false;
        QThread::msleep(20);
    }
    return true;
}

XSession::XSession() {
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                           QStringLiteral("-screen"), QStringLiteral("0"),
                                           QStringLiteral("800x600x24"), QStringLiteral("-nolisten"),
                                           QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!server_.waitForStarted(5000)) return;
    // -noreset: a server whose last client leaves resets itself and refuses connections
    // meanwhile; the test's own short-lived clients (xdotool, import) must not make the
    // game's first connection fall into that gap.
    // The server writes its display number once it accepts clients.
    QByteArray number;
    PollUntil([&] {
        server_.waitForReadyRead(50);
        number += server_.readAllStandardOutput();
        return number.contains('\n') || server_.state() != QProcess::Running;
    }, 10000);
    if (number.trimmed().isEmpty()) return;
    display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
}

XSession::~XSession() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(3000)) server_.kill();
    server_.waitForFinished(1000);
}

QString XSession::Run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

std::vector<XSession::Window> XSession::Windows() const {
    std::vector<Window> windows;
    const QStringList ids = Run(QStringLiteral("xdotool"),
                                {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--maxdepth"), QStringLiteral("1"), QStringLiteral("--name"),
                                 QString()})
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& id : ids) {
        // --shell prints X=, Y=, WIDTH=, HEIGHT= lines.
        const QStringList lines = Run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                                  QStringLiteral("--shell"), id})
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        int x = 0, y = 0, w = 0, h = 0;
        for (const QString& line : lines) {
            const QString value = line.section(QLatin1Char('='), 1);
            if (line.startsWith(QLatin1String("X="))) x = value.toInt();
            if (line.startsWith(QLatin1String("Y="))) y = value.toInt();
            if (line.startsWith(QLatin1String("WIDTH="))) w = value.toInt();
            if (line.startsWith(QLatin1String("HEIGHT="))) h = value.toInt();
        }
        windows.push_back({id, QRect(x, y, w, h)});
    }
    return windows;
}

std::optional<XSession::Window> XSession::WaitForWindow(QSize size, int timeoutMs) const {
    std::optional<Window> found;
    PollUntil([&] {
        for (const Window& window : Windows())
            if (window.frame.size() == size) found = window;
        return found.has_value();
    }, timeoutMs);
    return found;
}

bool XSession::WaitUntilGone(QSize size, int timeoutMs) const {
    return PollUntil([&] {
        for (const Window& window : Windows())
            if (window.frame.size() == size) return false;
        return true;
    }, timeoutMs);
}

void XSession::Click(QPoint at, int button) const {
    Run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(at.x()),
                                    QString::number(at.y()), QStringLiteral("click"), QString::number(button)});
}

void XSession::Type(const QString& text) const {
    Run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

void XSession::Key(const QString& keys) const {
    Run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

QImage XSession::Screenshot() const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    if (!process.waitForFinished(10000)) return {};
    return QImage::fromData(process.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

QProcessEnvironment XSession::GameEnvironment(const QString& scratch) const {
    const QDir folder(scratch);
    folder.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), folder.filePath(QStringLiteral("state")));
    return environment;
}

std::optional<QPoint> XSession::PastSplash() const {
    const QSize mainWindow(500, 366), splashWindow(200, 150);
    const auto main = WaitForWindow(mainWindow, 20000);
    const auto splash = main ? WaitForWindow(splashWindow, 5000) : std::nullopt;
    if (!splash) return std::nullopt;
    const QPoint board = main->frame.topLeft() + QPoint(0, 33);
    Click(QPoint(board.x() + 325, splash->frame.center().y()));
    if (!WaitUntilGone(splashWindow, 5000)) return std::nullopt;
    return board;
}

}  // namespace spindora::test
