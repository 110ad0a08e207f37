// The five pictures load from the program's resources in their formats and pixel sizes.
#include <gtest/gtest.h>
#include <QColor>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

namespace {

struct Picture {
    const char* path;
    QByteArray format;
    QSize size;
    bool behindText;  // bold dark captions are drawn over it
};

const Picture kPictures[] = {
    {":/pictures/icon.ico", "ico", {96, 96}, false},
    {":/pictures/button.jpg", "jpeg", {100, 64}, true},
    {":/pictures/backdrop.jpg", "jpeg", {698, 519}, true},
    {":/pictures/small.jpg", "jpeg", {336, 211}, true},
    {":/pictures/portrait.jpg", "jpeg", {478, 611}, false},
};

// Mean of the HSL lightness over every pixel, 0 to 255.
double meanLightness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += image.pixelColor(x, y).lightness();
    return sum / (double(image.width()) * image.height());
}

TEST(Pictures, EachLoadsInItsFormatAtItsSize) {
    for (const Picture& p : kPictures) {
        SCOPED_TRACE(p.path);
        QImageReader reader(QString::fromLatin1(p.path));
        // The content decides the format, so a PNG saved under a .jpg name is caught here.
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), p.format);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), p.size);
    }
}

TEST(Pictures, ThoseBehindTextAreLightEnoughToReadDarkCaptions) {
    for (const Picture& p : kPictures) {
        if (!p.behindText) continue;
        SCOPED_TRACE(p.path);
        const QImage image(QString::fromLatin1(p.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(meanLightness(image), 200.0);
    }
}

TEST(WindowIcon, IsOneUncompressed24BitImageOf96Pixels) {
    QFile file(":/pictures/icon.ico");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 6 + 16 + 40);
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    EXPECT_EQ(u16(2), 1) << "resource type: icon";
    EXPECT_EQ(u16(4), 1) << "number of images";
    EXPECT_EQ(quint8(bytes[6]), 96) << "width";
    EXPECT_EQ(quint8(bytes[7]), 96) << "height";
    EXPECT_EQ(u16(6 + 6), 24) << "bits per pixel in the directory";
    const quint32 offset = u32(6 + 12);
    ASSERT_LE(offset + 40, quint32(bytes.size()));
    EXPECT_EQ(u32(offset), 40u) << "a bitmap header, not an embedded PNG";
    EXPECT_EQ(u16(offset + 14), 24) << "bits per pixel in the bitmap";
    EXPECT_EQ(u32(offset + 16), 0u) << "uncompressed";
}

// Qt reads a 24-bit icon as opaque whatever its mask says, so a corner cut away by the mask
// would show as black in every title bar.
TEST(WindowIcon, FillsItsSquareToTheEdgesWithTheLightTile) {
    const QImage image = QImage(":/pictures/icon.ico").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(96, 96));
    for (const QPoint p : {QPoint(0, 0), QPoint(95, 0), QPoint(0, 95), QPoint(95, 95)}) {
        SCOPED_TRACE(testing::Message() << "corner " << p.x() << "," << p.y());
        const QColor c = image.pixelColor(p);
        EXPECT_EQ(c.alpha(), 255);
        EXPECT_GE(c.lightness(), 100);
    }
    EXPECT_TRUE(QIcon(":/pictures/icon.ico").availableSizes().contains(QSize(96, 96)));
}

}  // namespace
