// The read-only results boxes show every figure they can be given whole, at the window's own
// fonts and geometry: measured with the box's font metrics and seen in its painted pixels.
#include <QImage>
#include <QStyle>

#include "results/frmresult.h"
#include "shell/Controls.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

// Pixels of text: the box's frame and background are far lighter.
int InkPixels(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++ink;
    return ink;
}

QImage Painted(QWidget& box) {
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    box.render(&image);
    return image;
}

// The text as a results box shows a new figure: from its first character.
void Show(TextBox& box, const QString& figure) {
    Form::SetText(&box, figure);
    box.setCursorPosition(0);
}

// The longest forms each box can be given. The boxes leave 157 and 117 px for their text;
// forms longer than that come only from absurd series:
// - txtresult(0): likelihoods below 1E-99 (163 px, more than the whole box of 161) or of
//   1E+15 and more (159 px and more; a likelihood above 1 needs negative tube counts).
// - txtthomas: Thomas figures of 1E+11 and more per 100 mL, or below -1E+10 (124 px and
//   more with 15 digits; exponent forms 159 px and more, beyond the whole box of 121).
// The MPN boxes only show candidates of the search, 0.001 to 10 per mL.
struct Case {
    const char* box;
    int index;
    const char* figure;
} const kCases[] = {
    {"txtresult", 0, "8.39094008292928E-11"},
    {"txtresult", 0, "1.17443117569041E-10"},
    {"txtresult", 0, "1.23456789012345E-05"},
    {"txtresult", 0, "9.99999999999999E-99"},
    {"txtresult", 0, "0.000123456789012345"},
    {"txtresult", 0, "0\u066B000123456789012345"},  // the Persian decimal separator
    {"txtresult", 0, "0.999999999999999"},
    {"txtresult", 1, "9.999"},
    {"txtresult", 1, " 10  <"},
    {"txtresult", 2, "999.9"},
    {"txtresult", 2, " 1000  <"},
    {"txtthomas", -1, "12345678901.234"},
    {"txtthomas", -1, "-9999999999.999"},
    {"txtthomas", -1, "! تعريف نشده"},
};

class ResultBoxesTest : public testing::WindowTest {
  protected:
    ResultBoxesTest()
        : window(*session, frmresult::Table().spec()),
          controls(frmresult::Table().Bind(window.rowWidgets())) {}
    Form window;
    frmresult::Controls controls;
};

TEST_F(ResultBoxesTest, EveryFigureFitsItsBoxWhole) {
    // A box as wide as any figure, read-only and in the same font, shows it unclipped.
    TextBox wide(nullptr);
    wide.setReadOnly(true);
    wide.setAlignment(Qt::AlignCenter);
    for (const Case& c : kCases) {
        const QString figure = QString::fromUtf8(c.figure);
        SCOPED_TRACE(std::string(c.box) + "(" + std::to_string(c.index) + ") " + c.figure);
        TextBox* box = c.index < 0 ? controls.txtthomas : controls.txtresult[c.index];
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->isReadOnly());

        // The edit keeps two pixels on either side of its text area.
        const QRect area = box->contentsRect().marginsRemoved(box->textMargins());
        const int frame =
            box->hasFrame() ? 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        EXPECT_LE(box->fontMetrics().horizontalAdvance(figure), area.width() - frame - 4);

        wide.setFont(box->font());
        wide.resize(400, box->height());
        Show(wide, figure);
        Show(*box, figure);
        EXPECT_EQ(InkPixels(Painted(*box)), InkPixels(Painted(wide)));
    }
}

}  // namespace
}  // namespace tubewise
