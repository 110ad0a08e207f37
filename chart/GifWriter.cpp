// GIF89a encoding through giflib with an exact or refined median-cut palette.
#include "chart/GifWriter.h"

#include <gif_lib.h>

#include <QBuffer>
#include <QIODevice>
#include <QImage>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace tubewise {

namespace {

constexpr int kMaxColours = 256;

struct IndexedPicture {
    std::vector<GifColorType> palette;
    std::vector<GifByteType> pixels;  // row after row, one palette index per pixel
};

void SetError(QString* error, const QString& text) {
    if (error) *error = text;
}

GifColorType ToGifColour(QRgb rgb) {
    return GifColorType{static_cast<GifByteType>(qRed(rgb)), static_cast<GifByteType>(qGreen(rgb)),
                        static_cast<GifByteType>(qBlue(rgb))};
}

// A picture of few colours needs no quantizer at all, and then loses nothing.
std::optional<IndexedPicture> ExactPalette(const QImage& rgb) {
    IndexedPicture out;
    out.pixels.reserve(static_cast<std::size_t>(rgb.width()) * rgb.height());
    std::unordered_map<QRgb, GifByteType> index;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] & 0xFFFFFFu;
            auto found = index.find(colour);
            if (found == index.end()) {
                if (index.size() == kMaxColours) return std::nullopt;
                found = index.emplace(colour, static_cast<GifByteType>(index.size())).first;
                out.palette.push_back(ToGifColour(colour));
            }
            out.pixels.push_back(found->second);
        }
    }
    return out;
}

// Median cut works on 5 bits per channel and returns bucket averages, which shifts flat
// colours (white becomes 248,248,248). Each entry is therefore replaced by the exact colour
// that most of its pixels have.
std::optional<IndexedPicture> QuantizedPalette(const QImage& rgb, QString* error) {
    const auto width = static_cast<unsigned>(rgb.width());
    const auto height = static_cast<unsigned>(rgb.height());
    const std::size_t count = static_cast<std::size_t>(width) * height;
    std::vector<GifByteType> red(count), green(count), blue(count);
    std::size_t at = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x, ++at) {
            red[at] = static_cast<GifByteType>(qRed(line[x]));
            green[at] = static_cast<GifByteType>(qGreen(line[x]));
            blue[at] = static_cast<GifByteType>(qBlue(line[x]));
        }
    }

    IndexedPicture out;
    out.pixels.resize(count);
    int size = kMaxColours;
    std::array<GifColorType, kMaxColours> map{};
    if (GifQuantizeBuffer(width, height, &size, red.data(), green.data(), blue.data(),
                          out.pixels.data(), map.data()) == GIF_ERROR) {
        SetError(error, QStringLiteral("colour quantization failed"));
        return std::nullopt;
    }
    out.palette.assign(map.begin(), map.begin() + size);

    // Tally (entry, exact colour) pairs; runs of equal pixels, which flat areas are made of,
    // cost one map update each.
    std::unordered_map<std::uint64_t, std::size_t> tally;
    auto keyOf = [&](std::size_t i) {
        return (std::uint64_t{out.pixels[i]} << 24) | (std::uint64_t{red[i]} << 16) |
               (std::uint64_t{green[i]} << 8) | blue[i];
    };
    std::size_t runStart = 0;
    for (std::size_t i = 1; i <= count; ++i) {
        if (i == count || keyOf(i) != keyOf(runStart)) {
            tally[keyOf(runStart)] += i - runStart;
            runStart = i;
        }
    }
    std::vector<std::size_t> best(out.palette.size(), 0);
    for (const auto& [key, n] : tally) {
        const auto entry = static_cast<std::size_t>(key >> 24);
        if (entry < best.size() && n > best[entry]) {
            best[entry] = n;
            out.palette[entry] = GifColorType{static_cast<GifByteType>((key >> 16) & 0xFF),
                                              static_cast<GifByteType>((key >> 8) & 0xFF),
                                              static_cast<GifByteType>(key & 0xFF)};
        }
    }
    return out;
}

int WriteToDevice(GifFileType* gif, const GifByteType* data, int length) {
    auto* device = static_cast<QIODevice*>(gif->UserData);
    const qint64 written = device->write(reinterpret_cast<const char*>(data), length);
    return written == length ? length : 0;
}

QString GifError(int code) {
    const char* text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("GIF error %1").arg(code);
}

}  // namespace

bool WriteGif(const QImage& image, QIODevice& out, QString* error) {
    if (image.isNull() || image.width() > 0xFFFF || image.height() > 0xFFFF) {
        SetError(error, QStringLiteral("no picture of a size GIF can hold"));
        return false;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::optional<IndexedPicture> picture = ExactPalette(rgb);
    if (!picture) picture = QuantizedPalette(rgb, error);
    if (!picture) return false;

    // The colour table's length must be a power of two, at least 2.
    const int tableSize = 1 << GifBitSize(static_cast<int>(picture->palette.size()));
    picture->palette.resize(static_cast<std::size_t>(tableSize), GifColorType{0, 0, 0});
    ColorMapObject* map = GifMakeMapObject(tableSize, picture->palette.data());
    if (!map) {
        SetError(error, QStringLiteral("out of memory"));
        return false;
    }

    int code = 0;
    GifFileType* gif = EGifOpen(&out, WriteToDevice, &code);
    if (!gif) {
        GifFreeMapObject(map);
        SetError(error, GifError(code));
        return false;
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, rgb.width(), rgb.height(), 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, rgb.width(), rgb.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < rgb.height(); ++y) {
        ok = EGifPutLine(gif, picture->pixels.data() + static_cast<std::size_t>(y) * rgb.width(),
                         rgb.width()) == GIF_OK;
    }
    if (!ok) code = gif->Error;
    GifFreeMapObject(map);
    int closeCode = 0;
    if (EGifCloseFile(gif, &closeCode) != GIF_OK && ok) {
        ok = false;
        code = closeCode;
    }
    if (!ok) {
        SetError(error, out.errorString().isEmpty() || code != E_GIF_ERR_WRITE_FAILED
                            ? GifError(code)
                            : out.errorString());
    }
    return ok;
}

QByteArray EncodeGif(const QImage& image, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!WriteGif(image, buffer, error)) return {};
    return bytes;
}

}  // namespace tubewise
