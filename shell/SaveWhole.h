// Files the program saves for the analyst (chart pictures, reports): written whole or not at
// all.
#pragma once

#include <QByteArray>
#include <QString>

namespace tubewise {

// Writes `bytes` to exactly `path` through a temporary file beside it that is renamed over it
// only once complete, so a failed save leaves an existing file untouched; a path that names a
// device, pipe or socket is refused, never replaced. On failure returns false with the
// system's reason in `reason`.
bool SaveWhole(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

}  // namespace tubewise
