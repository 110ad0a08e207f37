// The validation record's pages: laid out in millimetres on A4, left to right, a new page
// whenever the next line would pass the bottom margin.
#include "validate/ValidationRecord.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

#include "shell/Fonts.h"
#include "tubewise/BuildInfo.h"

namespace tubewise::validate {

namespace {

constexpr int kDotsPerInch = 300;
constexpr double kMargin = 18;  // mm
constexpr double kPageWidth = 210;
constexpr double kPageHeight = 297;
constexpr double kWidth = kPageWidth - 2 * kMargin;
const QColor kHeadingColour(0, 0, 128);
const QColor kFailColour(192, 0, 0);
const QColor kPassColour(0, 128, 0);

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

class Pages {
  public:
    Pages(QPdfWriter& writer, QPainter& painter) : writer_(writer), p_(painter) {}

    // Paints `text` wrapped in the column from `left` (mm from the margin) `width` wide and
    // moves down by its height unless `keepLine`.
    double Line(const QString& text, double left, double width, const QFont& font,
                const QColor& colour = Qt::black, bool keepLine = false) {
        QTextOption option(Qt::AlignLeft | Qt::AlignTop);
        option.setWrapMode(QTextOption::WordWrap);
        p_.setFont(font);
        const QRectF area(Px(kMargin + left), Px(y_), Px(width), Px(100));
        const double height = p_.boundingRect(area, text, option).height() * 25.4 / kDotsPerInch;
        if (y_ + height > kPageHeight - kMargin) {
            NewPage();
            return Line(text, left, width, font, colour, keepLine);
        }
        p_.setPen(colour);
        p_.drawText(area, text, option);
        if (!keepLine) y_ += height + 0.8;
        return height;
    }

    void Space(double mm) { y_ += mm; }

    void Rule() {
        p_.setPen(QPen(QColor(160, 160, 160), Px(0.2)));
        p_.drawLine(QPointF(Px(kMargin), Px(y_)), QPointF(Px(kPageWidth - kMargin), Px(y_)));
        y_ += 2;
    }

    void NeedRoom(double mm) {
        if (y_ + mm > kPageHeight - kMargin) NewPage();
    }

  private:
    static double Px(double mm) { return mm * kDotsPerInch / 25.4; }
    void NewPage() {
        writer_.newPage();
        y_ = kMargin;
    }

    QPdfWriter& writer_;
    QPainter& p_;
    double y_ = kMargin;
};

QFont Body(bool bold = false, double points = 9.5) {
    return ResolveFont("Arial", points, bold);
}

}  // namespace

QByteArray ValidationRecordPdf(const SelfCheckResult& result, const RecordContext& context) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setResolution(kDotsPerInch);
        writer.setTitle(QStringLiteral("Tubewise validation record"));
        writer.setCreator(QStringLiteral("Tubewise"));
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::Antialiasing);
        Pages page(writer, painter);

        page.Line(QStringLiteral("Tubewise validation record"), 0, kWidth, Body(true, 15),
                  kHeadingColour);
        page.Line(QStringLiteral("The published MPN tables built into the program, recomputed "
                                 "by this installation and compared at each table's printed "
                                 "precision."),
                  0, kWidth, Body());
        page.Space(2);
        const std::pair<const char*, QString> facts[] = {
            {"Program", QStringLiteral("Tubewise " TUBEWISE_BUILD_VERSION)},
            {"Source revision", QStringLiteral(TUBEWISE_SOURCE_REVISION)},
            {"Compiler", QStringLiteral(TUBEWISE_BUILD_COMPILER)},
            {"Qt", QStringLiteral("built with " TUBEWISE_BUILD_QT_VERSION ", running ") +
                       Q(context.qtRuntime)},
            {"Build date", QStringLiteral(TUBEWISE_BUILD_DATE)},
            {"Operating system", Q(context.operatingSystem)},
            {"Checked at", Q(context.checkedAt)},
        };
        for (const auto& [caption, value] : facts) {
            page.Line(QString::fromLatin1(caption), 0, 45, Body(true), Qt::black, true);
            page.Line(value, 47, kWidth - 47, Body());
        }
        page.Space(2);
        page.Rule();

        page.Line(QStringLiteral("Tables"), 0, kWidth, Body(true, 11), kHeadingColour);
        page.Line(QStringLiteral("Table"), 0, 120, Body(true), Qt::black, true);
        page.Line(QStringLiteral("Checked"), 122, 20, Body(true), Qt::black, true);
        page.Line(QStringLiteral("Agreed"), 147, 20, Body(true));
        for (const TableSummary& table : result.tables) {
            page.NeedRoom(10);
            page.Line(QString::number(table.checked), 122, 20, Body(), Qt::black, true);
            page.Line(QString::number(table.agreed), 147, 20, Body(), Qt::black, true);
            page.Line(Q(table.name), 0, 120, Body(true));
            page.Line(Q(table.source), 4, 116, Body(false, 7.5), QColor(80, 80, 80));
        }
        page.Line(QString::number(result.checked), 122, 20, Body(true), Qt::black, true);
        page.Line(QString::number(result.agreed), 147, 20, Body(true), Qt::black, true);
        page.Line(QStringLiteral("All tables"), 0, 120, Body(true));
        page.Space(2);
        page.Rule();

        page.Line(QStringLiteral("Differences"), 0, kWidth, Body(true, 11), kHeadingColour);
        if (result.differences.empty()) page.Line(QStringLiteral("None."), 0, kWidth, Body());
        for (const Difference& d : result.differences) {
            page.NeedRoom(14);
            page.Line(Q(d.table) + QStringLiteral(", ") + Q(d.row), 0, kWidth, Body(true));
            page.Line(QStringLiteral("printed ") + Q(d.expected) + QStringLiteral(", computed ") +
                          Q(d.computed),
                      4, kWidth - 4, Body());
            page.Line(Q(d.reason), 4, kWidth - 4, Body(false, 8.5),
                      d.explained ? QColor(60, 60, 60) : kFailColour);
        }
        page.Space(2);
        page.Rule();

        const bool passed = result.Passed();
        page.Line(passed ? QStringLiteral("Result: every value checked agrees or differs for the "
                                          "reason given (%1 of %2 agree).")
                               .arg(result.agreed)
                               .arg(result.checked)
                         : QStringLiteral("Result: FAILED. %1 of %2 values agree; a difference "
                                          "without a known reason is listed above.")
                               .arg(result.agreed)
                               .arg(result.checked),
                  0, kWidth, Body(true), passed ? kPassColour : kFailColour);
        page.Space(12);
        page.NeedRoom(40);
        for (const char* caption : {"Analyst's name", "Signature", "Date"}) {
            page.Line(QString::fromLatin1(caption) +
                          QStringLiteral(": ______________________________________________"),
                      0, kWidth, Body());
            page.Space(9);
        }
    }
    return bytes;
}

}  // namespace tubewise::validate
