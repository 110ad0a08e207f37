// Reads a PDF as a person's tools do (Debian's poppler-utils): its text in reading order, its
// page count and size, and its page as a picture.
#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tubewise::testing {

// Whether pdftotext, pdfinfo and pdftoppm are installed (scripts/install-deps.sh installs them).
inline bool HavePoppler() {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) return false;
    return true;
}

inline QByteArray RunTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

// Text compared as a reader sees it: the presentation forms a PDF maps its shaped glyphs to
// folded to the letters (NFKC), the two forms of yeh as one, direction marks and blanks
// dropped (pdftotext loses the blank between a number and a Persian word).
inline QString Normalised(const QString& text) {
    QString out = text.normalized(QString::NormalizationForm_KC);
    out.replace(QChar(0x06CC), QChar(0x064A));
    for (char16_t mark :
         {u'\u200E', u'\u200F', u'\u202A', u'\u202B', u'\u202C', u'\u202D', u'\u202E'})
        out.remove(QChar(mark));
    out.remove(QRegularExpression(QStringLiteral("\\s")));
    return out;
}

// The page's text in reading order, normalised.
inline QString PdfText(const QString& pdf) {
    return Normalised(QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {pdf, "-"})));
}

// The left edge, in points from the page's left, of the first word of the page that is
// exactly `word` as pdftotext reads it; -1 when there is none.
inline double WordLeft(const QString& pdf, const QString& word) {
    const QString page =
        QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}));
    const QRegularExpression box(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = box.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(2) == word) return m.captured(1).toDouble();
    }
    return -1;
}

inline QString PdfInfo(const QString& pdf) {
    return QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {pdf}));
}

// The first page drawn at `dpi` as pdftoppm draws it.
inline QImage PdfPage(const QString& pdf, int dpi) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    RunTool(QStringLiteral("pdftoppm"),
            {"-png", "-r", QString::number(dpi), "-singlefile", pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

inline int CountPixels(const QImage& image, QRgb colour) {
    int n = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if ((rgb.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
    return n;
}

}  // namespace tubewise::testing
