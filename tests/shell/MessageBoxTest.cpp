// The desktop's message boxes, built and shown without waiting for the user: where the prompt's
// marks are painted, and the width the title needs.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>

#include "shell/Fonts.h"
#include "shell/Seams.h"
#include "tests/support/ExpectedTexts.h"

namespace tubewise {
namespace {

const QChar kMark = QLatin1Char('!');

// The label that shows the prompt: its text is the prompt apart from direction marks.
QLabel* PromptLabel(QMessageBox& box, const QString& prompt) {
    for (QLabel* label : box.findChildren<QLabel*>())
        if (QString(label->text()).remove(QChar(0x200E)) == prompt) return label;
    return nullptr;
}

QImage Painted(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

bool Ink(QRgb pixel) {
    return qGray(pixel) < 160;
}

// Where the `n`th mark of the label's text is painted, found as the pixels that change when
// that mark alone becomes a blank of the same width; the label's text is restored.
QRect MarkArea(QLabel& label, int n) {
    const QString text = label.text();
    int at = -1;
    for (int i = 0; i <= n; ++i) at = text.indexOf(kMark, at + 1);
    const QImage with = Painted(label);
    label.setText(QString(text).replace(at, 1, QLatin1Char(' ')));
    const QImage without = Painted(label);
    label.setText(text);
    QRect area;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) area |= QRect(x, y, 1, 1);
    return area;
}

// The leftmost painted pixel in the rows of `rows` that is not in `except`.
int LeftmostInkBeside(const QImage& image, const QRect& rows, const QRect& except) {
    int left = image.width();
    for (int y = rows.top(); y <= rows.bottom(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Ink(image.pixel(x, y)) && !except.contains(x, y)) left = std::min(left, x);
    return left;
}

// Each line's "!", stored first, is painted at the left end of its line, before the Persian
// words; lines keep their order.
TEST(MessageBoxTest, MarksStoredFirstStandAtTheLeftOfTheirLines) {
    const struct {
        QString prompt;
        int marks;
    } cases[] = {
        {QString::fromStdString(expected::kNumbersOnly), 1},
        {QString::fromStdString(expected::kUncomputable), 1},
        {QStringLiteral("! تصوير ذخيره نشد\n/tmp/نمودار/MPN.GIF\n! پوشه نوشتني نيست"), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prompt.toStdString());
        std::unique_ptr<QMessageBox> box =
            MakeMessageBox(nullptr, c.prompt, QString::fromStdString(expected::kWrongInput));
        QLabel* label = PromptLabel(*box, c.prompt);
        ASSERT_NE(label, nullptr);
        // In the program's face, upright, a blank is as wide as the mark, so only the mark's
        // pixels change when it becomes one.
        FontFace face;
        face.bold = false;
        label->setFont(ResolveFont(face));
        const QFontMetricsF metrics(label->font());
        ASSERT_EQ(metrics.horizontalAdvance(kMark), metrics.horizontalAdvance(QLatin1Char(' ')));
        box->show();

        const QImage painted = Painted(*label);
        QRect previous;
        for (int n = 0; n < c.marks; ++n) {
            const QRect mark = MarkArea(*label, n);
            ASSERT_FALSE(mark.isEmpty());
            EXPECT_LT(mark.right(), LeftmostInkBeside(painted, mark, mark)) << "mark " << n;
            if (n > 0) {
                EXPECT_GT(mark.top(), previous.bottom()) << "lines out of order";
            }
            previous = mark;
        }
    }
}

// The box is at least as wide as its title with the icon and buttons of a title bar.
TEST(MessageBoxTest, NoBoxIsNarrowerThanItsTitle) {
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    const struct {
        std::string prompt;
        std::string title;
    } cases[] = {
        {expected::kNumbersOnly, expected::kWrongInput},
        {expected::kWholeOneToFive, expected::kWrongInput},
        {expected::kEmptyCells, expected::kWrongInput},
        {expected::kUncomputable, expected::kWrongInput},
        {expected::kNoCount, expected::kNoData},
        {"! تصوير ذخيره نشد\n/tmp/a.GIF\nPermission denied", expected::kErrorTitle},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prompt);
        const QString boxTitle = QString::fromStdString(c.title);
        std::unique_ptr<QMessageBox> box =
            MakeMessageBox(nullptr, QString::fromStdString(c.prompt), boxTitle);
        box->show();
        EXPECT_GE(box->width(), title.horizontalAdvance(boxTitle) + 120);
        EXPECT_EQ(box->windowTitle(), boxTitle);
    }
}

}  // namespace
}  // namespace tubewise
