// GIF encoding: read back with Qt, colours kept exactly where the palette allows it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <set>

#include "chart/GifWriter.h"

namespace tubewise {
namespace {

QImage ReadBack(const QByteArray& gif) {
    QImage image;
    image.loadFromData(gif, "GIF");
    return image.convertToFormat(QImage::Format_RGB32);
}

bool HasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
        }
    }
    return false;
}

TEST(GifWriter, FewColoursRoundTripLosslessly) {
    // Colours that differ only in their low bits would merge in a 5-bit median cut.
    const QRgb colours[] = {qRgb(0, 0, 0),       qRgb(1, 1, 1),       qRgb(255, 255, 254),
                            qRgb(192, 255, 255), qRgb(128, 255, 128), qRgb(0, 0, 192),
                            qRgb(7, 130, 250)};
    QImage image(37, 23, QImage::Format_RGB32);  // odd size: no row padding assumptions
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, colours[(x * 3 + y) % 7]);
    }
    const QByteArray gif = EncodeGif(image);
    ASSERT_TRUE(gif.startsWith("GIF89a"));
    EXPECT_EQ(ReadBack(gif), image);
}

TEST(GifWriter, SingleColourPicture) {
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(qRgb(12, 34, 56));
    EXPECT_EQ(ReadBack(EncodeGif(image)), image);
}

TEST(GifWriter, ManyColoursKeepTheirLargeFlatAreasExact) {
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 400, 0);  // thousands of colours
    gradient.setColorAt(0, QColor(255, 0, 0));
    gradient.setColorAt(0.5, QColor(0, 200, 30));
    gradient.setColorAt(1, QColor(20, 40, 255));
    painter.fillRect(0, 0, 400, 60, gradient);
    painter.fillRect(0, 60, 200, 140, QColor(192, 255, 255));
    painter.fillRect(200, 60, 100, 140, QColor(128, 255, 128));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 192), 3));
    painter.drawEllipse(QRectF(220, 80, 60, 60));
    painter.end();

    std::set<QRgb> distinct;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) distinct.insert(image.pixel(x, y));
    }
    ASSERT_GT(distinct.size(), 256u);

    const QImage back = ReadBack(EncodeGif(image));
    ASSERT_EQ(back.size(), image.size());
    EXPECT_EQ(back.pixel(10, 100), qRgb(192, 255, 255));
    EXPECT_EQ(back.pixel(210, 100), qRgb(128, 255, 128));
    EXPECT_EQ(back.pixel(350, 150), qRgb(255, 255, 255));
    EXPECT_TRUE(HasColour(back, qRgb(0, 0, 192)));
    // The gradient is approximated closely.
    const QColor left = back.pixelColor(2, 30);
    EXPECT_NEAR(left.red(), 255, 16);
    EXPECT_NEAR(left.green(), 0, 16);
}

TEST(GifWriter, DeviceThatRefusesToWriteIsReported) {
    QByteArray bytes;
    QBuffer readOnly(&bytes);
    readOnly.open(QIODevice::ReadOnly);
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    QString error;
    EXPECT_FALSE(WriteGif(image, readOnly, &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace tubewise
