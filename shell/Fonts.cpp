// Face resolution: metric-compatible twins for the Windows faces and a Persian fallback.
#include "shell/Fonts.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QStringList>
#include <map>
#include <mutex>

namespace tubewise {
namespace {

// Letters that Arabic-only faces tend to lack: peh, tcheh, keheh, gaf, and Arabic yeh.
constexpr char16_t kPersianProbe[] = u"\u067E\u0686\u06A9\u06AF\u064A\u0622";

bool ShowsPersian(const QString& family) {
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Arabic);
    if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0) return false;
    for (char16_t c : std::u16string_view(kPersianProbe))
        if (!raw.supportsCharacter(QChar(c))) return false;
    return true;
}

// The installed face standing in for a Windows face of the same metrics, or the name itself.
QString LookUpLatinFace(const std::string& requested) {
    const QString face = QString::fromStdString(requested);
    if (QFontDatabase::hasFamily(face)) return face;
    static const struct {
        const char* windows;
        const char* twins[2];
    } kTwins[] = {
        {"Arial", {"Liberation Sans", "Arimo"}},
        {"Times New Roman", {"Liberation Serif", "Tinos"}},
        {"B titr", {"Titr", "B Titr"}},
    };
    for (const auto& t : kTwins) {
        if (face.compare(QLatin1String(t.windows), Qt::CaseInsensitive) != 0) continue;
        for (const char* twin : t.twins)
            if (QFontDatabase::hasFamily(QLatin1String(twin))) return QLatin1String(twin);
    }
    return face;
}

// Remembered per face: asking fontconfig costs about 0.1 ms a time, once for every control
// of every window built, and the installed fonts do not change while the program runs.
QString LatinFace(const std::string& requested) {
    static std::mutex lock;
    static std::map<std::string, QString> known;
    const std::lock_guard<std::mutex> hold(lock);
    auto it = known.find(requested);
    if (it == known.end()) it = known.emplace(requested, LookUpLatinFace(requested)).first;
    return it->second;
}

}  // namespace

QString PersianFace() {
    // Looked up once: the installed fonts do not change while the program runs.
    static const QString face = [] {
        // Narrow Persian faces first: the layouts were drawn around Arial's compact Persian
        // letters, and DejaVu Sans's are a third wider, which overflows several labels.
        const QStringList preferred = {
            "Nazli",       "Vazirmatn", "Noto Sans Arabic", "Noto Naskh Arabic",
            "DejaVu Sans", "FreeSans"};
        for (const QString& f : preferred)
            if (QFontDatabase::hasFamily(f) && ShowsPersian(f)) return f;
        for (const QString& f : QFontDatabase::families(QFontDatabase::Arabic))
            if (ShowsPersian(f)) return f;
        return QString();
    }();
    return face;
}

QFont ResolveFont(const FontFace& spec) {
    return ResolveFont(spec.face, spec.points, spec.bold);
}

QFont ResolveFont(const std::string& face, double points, bool bold) {
    QFont font;
    QStringList families{LatinFace(face)};
    const QString persian = PersianFace();
    if (!persian.isEmpty() && persian != families.front()) families.push_back(persian);
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace tubewise
