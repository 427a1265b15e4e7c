#pragma once
#include <QByteArray>
#include <QString>

namespace spindora {

// Why `png` is not a whole PNG file, or nothing when it is: the signature, then chunks that
// each lie wholly within the file and match their checksums, the header chunk first, up to
// the end chunk. Qt's reader refuses such a file as well, but only after libpng has written
// its own complaint to standard error beside the game's one line.
QString CheckPngChunks(const QByteArray& png);

}  // namespace spindora
