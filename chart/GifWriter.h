// GIF89a encoding of a picture through giflib, with a palette that keeps flat colours exact.
#pragma once

#include <QByteArray>
#include <QString>

class QImage;
class QIODevice;

namespace tubewise {

// Encodes `image` as a single-frame GIF89a. Pictures with at most 256 distinct colours keep
// every colour exactly; others go through median cut, after which each palette entry is
// replaced by the most frequent exact colour among the pixels it stands for, so that large
// flat areas keep their true colour. Returns false and sets `error` on failure.
bool WriteGif(const QImage& image, QIODevice& out, QString* error = nullptr);

// The same into a byte buffer; empty on failure.
QByteArray EncodeGif(const QImage& image, QString* error = nullptr);

}  // namespace tubewise
