#pragma once
#include <QImage>
#include <QString>

namespace spindora {

// Keeps `sheet` at `path` (made by KeptSheetPath), written whole under another name and then
// renamed, so that no reader ever finds half a file; the older sheets of the same board and
// scale go, and so do those an older or newer game kept. Why it could not, or nothing.
QString KeepSheet(const QString& path, const QImage& sheet);

}  // namespace spindora
