// The windows as built from their tables: every row honoured, the odd sizes and blanks
// kept, stacking, tab order and first focus, fonts that show Persian, and how labels lay text
// out.
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "shell/Fonts.h"
#include "shell/QtColour.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

using testing::WindowTest;

int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

// A control of a window built from its table, by the name and index the table gives it: these
// tests check the tables themselves, not a window's handlers.
template <class W>
W* Find(const Form& window, const std::string& name, int index = -1) {
    return qobject_cast<W*>(window.control(name, index));
}

class LayoutTest : public WindowTest {
  protected:
    // A window built from its table alone, without any window class's behaviour.
    Form& Build(const char* name) {
        built_.push_back(std::make_unique<Form>(*session, LayoutOf(name)));
        return *built_.back();
    }
    std::vector<std::unique_ptr<Form>> built_;
};

const char* const kWindows[] = {"frmabout", "frmdel",     "frmmpn",     "frmresult",
                                "frmgraph", "frmContact", "frmdarbare", "frmstats"};

// The builder honours every row of every table: the window's frame, then each control's
// place, parent, text with its blanks, font, state and picture.
TEST_F(LayoutTest, EveryWindowIsBuiltAsItsTableSays) {
    for (const char* name : kWindows) {
        SCOPED_TRACE(name);
        const WindowSpec& spec = LayoutOf(name);
        Form& w = Build(name);
        EXPECT_EQ(w.size(), QSize(Px(spec.width), Px(spec.height)));
        EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "the user cannot resize it";
        EXPECT_EQ(w.windowTitle(), QString::fromStdString(spec.caption));
        const Qt::WindowFlags f = w.windowFlags();
        EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
        EXPECT_EQ(bool(f & Qt::WindowMinimizeButtonHint), spec.minimiseButton);
        EXPECT_FALSE(w.isVisible()) << "building does not show a window";
        EXPECT_FALSE(w.windowIcon().isNull());
        if (spec.backgroundKind == WindowBackground::Colour) {
            EXPECT_EQ(w.palette().color(QPalette::Window), ToQColor(spec.background));
        }
    }
}

TEST_F(LayoutTest, EveryControlIsBuiltAsItsTableSays) {
    for (const char* name : kWindows) {
        Form& w = Build(name);
        for (const ControlSpec& c : LayoutOf(name).controls) {
            SCOPED_TRACE(std::string(name) + " " + c.name + "(" + std::to_string(c.index) + ")");
            QWidget* built = w.control(c.name, c.index);
            if (c.kind == ControlKind::SaveDialog) {
                EXPECT_EQ(built, nullptr) << "the save dialog takes no room";
                continue;
            }
            ASSERT_NE(built, nullptr);
            EXPECT_EQ(built->geometry(), QRect(Px(c.left), Px(c.top), Px(c.width), Px(c.height)));
            QWidget* parent = c.container.empty() ? &w : w.control(c.container);
            EXPECT_EQ(built->parentWidget(), parent);
            if (c.kind == ControlKind::Label || c.kind == ControlKind::TextBox ||
                c.kind == ControlKind::Button) {
                EXPECT_EQ(Form::Text(built).toStdString(), c.text);
            }
            if (c.font) {
                EXPECT_DOUBLE_EQ(built->font().pointSizeF(), c.font->points);
                EXPECT_EQ(built->font().weight(), c.font->bold ? QFont::Bold : QFont::Normal);
                EXPECT_FALSE(built->font().italic() || built->font().underline());
            }
            EXPECT_EQ(built->isEnabled(), c.enabled);
            if (auto* box = qobject_cast<QLineEdit*>(built)) {
                EXPECT_EQ(box->isReadOnly(), c.readOnly);
            }
            if (c.kind == ControlKind::Image) {
                EXPECT_EQ(static_cast<PictureView*>(built)->stretched(), c.stretch);
            }
        }
    }
}

// Oddities of the layouts that a tidy-minded table edit could lose.
TEST_F(LayoutTest, OddSizesPlacesAndBlanksSurvive) {
    Form& grid = Build("frmmpn");
    EXPECT_EQ(Find<TextBox>(grid, "txtn", 1)->height(), 23) << "the first volume box is lower";
    EXPECT_EQ(Find<TextBox>(grid, "txtn", 2)->height(), 24);
    EXPECT_EQ(grid.control("lbln"), nullptr) << "lbln is an array of one element";
    EXPECT_NE(grid.control("lbln", 1), nullptr);

    // The about dialog's backdrop keeps its natural size, its left and top margins cut off.
    PictureView* backdrop = Find<PictureView>(Build("frmdarbare"), "Image1");
    ASSERT_FALSE(backdrop->picture().isNull()) << "the large backdrop is compiled in";
    EXPECT_EQ(backdrop->picture().size(), QSize(698, 519));
    EXPECT_EQ(backdrop->geometry(), QRect(-24, -40, 698, 519));

    // Exactly six blanks between the aphorism's full stop and the name; 42 after the number.
    const QString aphorism = Find<TextLabel>(Build("frmabout"), "Label1")->text();
    EXPECT_TRUE(aphorism.contains(QStringLiteral(".      \u062F"))) << aphorism.toStdString();
    EXPECT_TRUE(
        Find<TextLabel>(Build("frmContact"), "Label1", 2)->text().endsWith(QString(42, ' ')));
    EXPECT_FALSE(
        Find<TextLabel>(Build("frmContact"), "Label1", 2)->text().endsWith(QString(43, ' ')));
    // The count dialog starts with its confirm button disabled and its box empty.
    Form& dialog = Build("frmdel");
    EXPECT_FALSE(Find<PictureButton>(dialog, "cmdset")->isEnabled());
    EXPECT_TRUE(Find<TextBox>(dialog, "txtdilnum")->text().isEmpty());
}

// Every Persian text, laid out in the font its control resolved, finds a glyph for every
// letter: a machine without a Persian face would show empty boxes.
TEST_F(LayoutTest, EveryTextHasGlyphsInItsResolvedFont) {
    ASSERT_FALSE(PersianFace().isEmpty()) << "no installed face shows Persian letters";
    int checked = 0;
    for (const char* name : kWindows) {
        Form& w = Build(name);
        for (const ControlSpec& c : w.layout().controls) {
            QWidget* control = w.control(c.name, c.index);
            const QString text = Form::Text(control).trimmed();
            if (!control || text.isEmpty() || qobject_cast<QLineEdit*>(control)) continue;
            SCOPED_TRACE(std::string(name) + " " + c.name);
            QTextLayout layout(text, control->font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns()) {
                const QList<quint32> glyphs = run.glyphIndexes();
                EXPECT_FALSE(glyphs.contains(0u))
                    << "missing glyph in face " << run.rawFont().familyName().toStdString();
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 25);
}

TEST_F(LayoutTest, ArialAndTimesResolveToFacesWithTheirMetrics) {
    const QFont arial = ResolveFont(FontFace{"Arial", 12, true, 178});
    const QFont times = ResolveFont(FontFace{"Times New Roman", 11.25, true, 0});
    // The metric twins are what fontconfig offers for the Windows faces on this platform.
    EXPECT_TRUE(QFontInfo(arial).family() == "Arial" ||
                QFontInfo(arial).family() == "Liberation Sans")
        << QFontInfo(arial).family().toStdString();
    EXPECT_TRUE(QFontInfo(times).family() == "Times New Roman" ||
                QFontInfo(times).family() == "Liberation Serif")
        << QFontInfo(times).family().toStdString();
    EXPECT_TRUE(arial.families().contains(PersianFace()));
}

TEST_F(LayoutTest, StackingPutsWindowedControlsInFrontAndBackdropsBehind) {
    auto depth = [](QWidget* w) { return w->parentWidget()->children().indexOf(w); };
    Form& welcome = Build("frmabout");
    EXPECT_LT(depth(Find<PictureView>(welcome, "Image1")),
              depth(Find<TextLabel>(welcome, "Label1")));
    EXPECT_LT(depth(Find<TextLabel>(welcome, "Label1")),
              depth(Find<PictureButton>(welcome, "cmdcontact")));
    EXPECT_LT(depth(Find<PictureButton>(welcome, "cmdcontact")),
              depth(Find<PictureButton>(welcome, "cmddarbare")));

    Form& dialog = Build("frmdel");
    // The picture box covers the whole dialog, yet the buttons and box stay clickable.
    for (QWidget* front : {static_cast<QWidget*>(Find<PictureButton>(dialog, "cmdexit")),
                           static_cast<QWidget*>(Find<PictureButton>(dialog, "cmdset")),
                           static_cast<QWidget*>(Find<TextBox>(dialog, "txtdilnum"))}) {
        EXPECT_EQ(dialog.childAt(front->geometry().center()), front)
            << front->objectName().toStdString();
    }

    Form& grid = Build("frmmpn");
    const QObjectList& children = grid.children();
    const int backdrop = depth(Find<PictureView>(grid, "Image1"));
    for (QObject* o : children) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && w != Find<PictureView>(grid, "Image1")) {
            EXPECT_GT(depth(w), backdrop) << w->objectName().toStdString();
        }
    }
}

struct FocusRow {
    const char* window;
    const char* first;
};

class FirstFocusTest : public LayoutTest, public ::testing::WithParamInterface<FocusRow> {};

TEST_P(FirstFocusTest, GoesToTheLowestTabNumberThatCanHoldIt) {
    Form& w = Build(GetParam().window);
    ShowActive(w);
    const QString expected = QString::fromUtf8(GetParam().first);
    if (expected.isEmpty())
        EXPECT_TRUE(QApplication::focusWidget() == &w || QApplication::focusWidget() == nullptr)
            << FocusName().toStdString();
    else
        EXPECT_EQ(FocusName(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FirstFocusTest,
    ::testing::Values(FocusRow{"frmabout", "cmdcontact"}, FocusRow{"frmdel", "txtdilnum"},
                      FocusRow{"frmmpn", "Command1"}, FocusRow{"frmresult", "txtresult(0)"},
                      FocusRow{"frmgraph", "Command1"}, FocusRow{"frmContact", ""},
                      FocusRow{"frmdarbare", ""}, FocusRow{"frmstats", "txtstat(0)"}),
    [](const auto& info) { return std::string(info.param.window); });

class TabOrderTest : public LayoutTest {
  protected:
    // Focus names visited by Tab from the first focus until it comes round again.
    QStringList Cycle(Form& w) {
        ShowActive(w);
        QStringList seen{FocusName()};
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (FocusName() == seen.front()) break;
            seen << FocusName();
        }
        return seen;
    }
};

TEST_F(TabOrderTest, FollowsTheTabNumbers) {
    EXPECT_EQ(Cycle(Build("frmabout")).join(' '),
              "cmdcontact cmdblog cmdenter cmddarbare cmdlang cmdregister cmdtray cmdvalidate");
    EXPECT_EQ(Cycle(Build("frmresult")).join(' '),
              "txtresult(0) Command1 txtresult(1) txtresult(2) cmdreturn txtthomas cmdstats");
    EXPECT_EQ(Cycle(Build("frmgraph")).join(' '), "Command1 ChartSpace1");
    // Top to bottom, the sample's name, analyst and date from the right, the buttons last.
    EXPECT_EQ(Cycle(Build("frmstats")).join(' '),
              "txtstat(0) txtstat(1) txtstat(2) cbomethod cbolevel txtstat(3) txtstat(4) "
              "txtstat(5) txtsample txtanalyst txtdate cmdcopy cmdreport cmdregister txtreplimit "
              "cboreprule");
}

TEST_F(TabOrderTest, GridRunsThroughPositivesNegativesThenVolumesUpwards) {
    Form& grid = Build("frmmpn");
    for (int i = 1; i <= 5; ++i)
        for (const char* column : {"txtn", "txtp", "txtq"})
            Find<TextBox>(grid, column, i)->setEnabled(true);
    EXPECT_EQ(Cycle(grid).join(' '),
              "Command1 txtp(1) txtp(2) txtp(3) txtp(4) txtp(5) txtq(1) txtq(2) txtq(3) txtq(4) "
              "txtq(5) cmddilchange txtn(5) txtn(4) txtn(3) txtn(2) txtn(1)");
}

TEST_F(TabOrderTest, SkipsDisabledControls) {
    Form& grid = Build("frmmpn");
    for (int i = 1; i <= 2; ++i)
        for (const char* column : {"txtn", "txtp", "txtq"})
            Find<TextBox>(grid, column, i)->setEnabled(true);
    for (int i = 3; i <= 5; ++i)
        for (const char* column : {"txtn", "txtp", "txtq"})
            Find<TextBox>(grid, column, i)->setEnabled(false);
    EXPECT_EQ(Cycle(grid).join(' '),
              "Command1 txtp(1) txtp(2) txtq(1) txtq(2) cmddilchange txtn(2) txtn(1)");
    EXPECT_EQ(Cycle(Build("frmdel")).join(' '), "txtdilnum cmdexit");
}

// Pixel columns and rows holding ink in a label painted on a transparent image.
struct Ink {
    QImage image;
    explicit Ink(QWidget* label) : image(label->size(), QImage::Format_ARGB32_Premultiplied) {
        image.fill(Qt::transparent);
        label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    bool at(int x, int y) const { return qAlpha(image.pixel(x, y)) > 96; }
    bool column(int x, int top, int bottom) const {
        for (int y = top; y < bottom; ++y)
            if (at(x, y)) return true;
        return false;
    }
    bool row(int y) const {
        for (int x = 0; x < image.width(); ++x)
            if (at(x, y)) return true;
        return false;
    }
    // Bands of rows with ink: the text lines.
    std::vector<std::pair<int, int>> lines() const {
        std::vector<std::pair<int, int>> bands;
        for (int y = 0; y < image.height(); ++y) {
            if (!row(y)) continue;
            // Dots above or below letters may leave a blank row or two inside a line.
            if (!bands.empty() && y - bands.back().second <= 3)
                bands.back().second = y + 1;
            else
                bands.push_back({y, y + 1});
        }
        return bands;
    }
    int rightmost(int top, int bottom) const {
        for (int x = image.width() - 1; x >= 0; --x)
            if (column(x, top, bottom)) return x;
        return -1;
    }
    int leftmost(int top, int bottom) const {
        for (int x = 0; x < image.width(); ++x)
            if (column(x, top, bottom)) return x;
        return -1;
    }
};

TEST_F(LayoutTest, RightAlignedWrappedLabelIsRightAlignedOnEveryLine) {
    TextLabel* aphorism = Find<TextLabel>(Build("frmabout"), "Label1");
    const Ink ink(aphorism);
    const auto lines = ink.lines();
    ASSERT_GE(lines.size(), 2u) << "the aphorism wraps";
    for (const auto& [top, bottom] : lines)
        EXPECT_GE(ink.rightmost(top, bottom), aphorism->width() - 4) << "line at " << top;
    // The last line is short: it must not start at the left edge.
    EXPECT_GT(ink.leftmost(lines.back().first, lines.back().second), aphorism->width() / 4);
}

TEST_F(LayoutTest, FullStopStoredFirstStandsAtTheLeft) {
    TextLabel* prompt = Find<TextLabel>(Build("frmdel"), "lbldilno");
    const Ink ink(prompt);
    const auto lines = ink.lines();
    ASSERT_FALSE(lines.empty());
    const auto [top, bottom] = lines.front();
    // The leftmost blob of ink is the full stop: a few pixels wide and high, on the baseline.
    const int left = ink.leftmost(top, bottom);
    int right = left;
    while (right < ink.image.width() && ink.column(right, top, bottom)) ++right;
    int inkTop = bottom, inkBottom = top;
    for (int x = left; x < right; ++x)
        for (int y = top; y < bottom; ++y)
            if (ink.at(x, y)) inkTop = std::min(inkTop, y), inkBottom = std::max(inkBottom, y + 1);
    EXPECT_LE(right - left, 4);
    EXPECT_LE(inkBottom - inkTop, 4);
    EXPECT_GT(inkTop, top + (bottom - top) / 3) << "the blob lies low, where a full stop sits";
}

TEST_F(LayoutTest, TrailingBlanksMoveRightAlignedTextLeftwards) {
    TextLabel* heading = Find<TextLabel>(Build("frmresult"), "lblbahs", 0);
    const Ink withBlanks(heading);
    const int blankWidth = QFontMetrics(heading->font()).horizontalAdvance(QStringLiteral("   "));
    const auto line = withBlanks.lines().front();
    const int end = withBlanks.rightmost(line.first, line.second);
    EXPECT_LE(end, heading->width() - blankWidth + 2);
    EXPECT_GE(end, heading->width() - blankWidth - 4);
}

// Labels one line high hold their text on that line in the fonts this machine resolves; a
// wider Persian face than the layouts were drawn with wraps "1388" of the contact card's date
// out of sight.
TEST_F(LayoutTest, OneLineLabelsHoldTheirTextOnOneLine) {
    for (const char* name : kWindows) {
        Form& window = Build(name);
        for (const ControlSpec& c : window.layout().controls) {
            if (c.kind != ControlKind::Label || c.text.empty() || c.height > 375) continue;
            SCOPED_TRACE(std::string(name) + " " + c.name + "(" + std::to_string(c.index) + ")");
            TextLabel* label = Find<TextLabel>(window, c.name, c.index);
            const QString text = QString::fromStdString(c.text).trimmed();
            EXPECT_LE(QFontMetricsF(label->font()).horizontalAdvance(text), label->width());
        }
    }
}

// The telephone line ends in 42 blanks, more than its label can hold: they push the number to
// the label's left edge, off the window's right edge, which the label reaches past.
TEST_F(LayoutTest, TrailingBlanksWiderThanTheLabelPushTheTextToItsLeftEdge) {
    Form& card = Build("frmContact");
    TextLabel* phone = Find<TextLabel>(card, "Label1", 2);
    const Ink ink(phone);
    const auto lines = ink.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_LE(ink.leftmost(lines[0].first, lines[0].second), 2);
    EXPECT_LT(phone->x() + ink.rightmost(lines[0].first, lines[0].second), card.width())
        << "the first letter of the line is cut off by the window's edge";
}

TEST_F(LayoutTest, TextBoxesLayPersianOutLeftToRight) {
    QLineEdit* box = Find<TextBox>(Build("frmresult"), "txtthomas");
    // A text beginning with an exclamation mark, as the results window writes it.
    box->setText(QStringLiteral("! \u062A\u0639\u0631\u064A\u0641"));
    // The box scrolls its text while painting, so it is painted before each question.
    auto cursorX = [box](int position) {
        box->setCursorPosition(position);
        box->grab();
        return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    };
    const int start = cursorX(0);
    const int end = cursorX(box->text().size());
    EXPECT_LT(start, end) << "the first stored character stands at the left";
    EXPECT_TRUE(box->isReadOnly());
}

}  // namespace
}  // namespace tubewise
