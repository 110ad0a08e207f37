// The validation record's pages: laid out in millimetres on A4 in the run's language (a Persian
// page is the mirror image of the English one), a new page whenever the next line would pass
// the bottom margin.
#include "validate/ValidationRecord.h"

#include <QBuffer>
#include <QDateTime>
#include <QSysInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

#include "core/Texts.h"
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
    Pages(QPdfWriter& writer, QPainter& painter, bool rightToLeft)
        : writer_(writer), p_(painter), rightToLeft_(rightToLeft) {}

    // Paints `text` wrapped in the column `left` mm from the reading side's margin, `width`
    // wide, and moves down by its height unless `keepLine`. The catalogue's sentences are
    // left-to-right paragraphs (their full stop stored first); `composed` lines, captions with
    // figures put together here, read in the page's own direction.
    void Line(const QString& text, double left, double width, const QFont& font,
              const QColor& colour = Qt::black, bool keepLine = false, bool composed = false) {
        QTextOption option((rightToLeft_ ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute |
                           Qt::AlignTop);
        option.setWrapMode(QTextOption::WordWrap);
        option.setTextDirection(composed && rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
        p_.setFont(font);
        const double x = rightToLeft_ ? kPageWidth - kMargin - left - width : kMargin + left;
        const QRectF area(Px(x), Px(y_), Px(width), Px(100));
        const double height = p_.boundingRect(area, text, option).height() * 25.4 / kDotsPerInch;
        if (y_ + height > kPageHeight - kMargin) {
            NewPage();
            Line(text, left, width, font, colour, keepLine, composed);
            return;
        }
        p_.setPen(colour);
        p_.drawText(area, text, option);
        if (!keepLine) y_ += height + 0.8;
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
    bool rightToLeft_;
    double y_ = kMargin;
};

QString T(text::Text text) {
    return Q(text::Tr(text));
}

QFont Body(bool bold = false, double points = 9.5) {
    return ResolveFont("Arial", points, bold);
}

}  // namespace

RecordContext CurrentRecordContext() {
    RecordContext context;
    context.checkedAt = QDateTime::currentDateTimeUtc()
                            .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"))
                            .toStdString();
    context.operatingSystem =
        (QSysInfo::prettyProductName() + QStringLiteral(", ") + QSysInfo::kernelType() +
         QStringLiteral(" ") + QSysInfo::kernelVersion() + QStringLiteral(", ") +
         QSysInfo::currentCpuArchitecture())
            .toStdString();
    context.qtRuntime = qVersion();
    return context;
}

QByteArray ValidationRecordPdf(const SelfCheckResult& result, const RecordContext& context) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setResolution(kDotsPerInch);
        writer.setTitle(T(text::kRecordTitle));
        writer.setCreator(QStringLiteral("Tubewise"));
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::Antialiasing);
        Pages page(writer, painter, text::Tr(text::kReportDirection) == "RTL");

        page.Line(T(text::kRecordTitle), 0, kWidth, Body(true, 15), kHeadingColour);
        page.Line(T(text::kRecordIntro), 0, kWidth, Body());
        page.Space(2);
        const std::pair<text::Text, QString> facts[] = {
            {text::kRecordProgram, QStringLiteral("Tubewise " TUBEWISE_BUILD_VERSION)},
            {text::kRecordRevision, QStringLiteral(TUBEWISE_SOURCE_REVISION)},
            {text::kRecordCompiler, QStringLiteral(TUBEWISE_BUILD_COMPILER)},
            {text::kRecordQt,
             QStringLiteral(TUBEWISE_BUILD_QT_VERSION " / ") + Q(context.qtRuntime)},
            {text::kRecordBuildDate, QStringLiteral(TUBEWISE_BUILD_DATE)},
            {text::kRecordSystem, Q(context.operatingSystem)},
            {text::kRecordCheckedAt, Q(context.checkedAt)},
        };
        for (const auto& [caption, value] : facts) {
            page.Line(T(caption), 0, 50, Body(true), Qt::black, true);
            page.Line(value, 52, kWidth - 52, Body());
        }
        page.Space(2);
        page.Rule();

        page.Line(T(text::kRecordTables), 0, kWidth, Body(true, 11), kHeadingColour);
        page.Line(T(text::kRecordTable), 0, 120, Body(true), Qt::black, true);
        page.Line(T(text::kRecordChecked), 122, 20, Body(true), Qt::black, true);
        page.Line(T(text::kRecordAgreed), 147, 20, Body(true));
        for (const TableSummary& table : result.tables) {
            page.NeedRoom(10);
            page.Line(QString::number(table.checked), 122, 20, Body(), Qt::black, true);
            page.Line(QString::number(table.agreed), 147, 20, Body(), Qt::black, true);
            page.Line(Q(table.name), 0, 120, Body(true));
            page.Line(Q(table.source), 4, 116, Body(false, 7.5), QColor(80, 80, 80));
        }
        page.Line(QString::number(result.checked), 122, 20, Body(true), Qt::black, true);
        page.Line(QString::number(result.agreed), 147, 20, Body(true), Qt::black, true);
        page.Line(T(text::kRecordAllTables), 0, 120, Body(true));
        page.Space(2);
        page.Rule();

        page.Line(T(text::kRecordDifferences), 0, kWidth, Body(true, 11), kHeadingColour);
        if (result.differences.empty()) page.Line(T(text::kRecordNoDifferences), 0, kWidth, Body());
        for (const Difference& d : result.differences) {
            page.NeedRoom(14);
            page.Line(Q(d.table) + QStringLiteral(", ") + Q(d.row), 0, kWidth, Body(true));
            page.Line(T(text::kRecordPrinted) + QStringLiteral(" ") + Q(d.expected) +
                          QStringLiteral(" | ") + T(text::kRecordComputed) + QStringLiteral(" ") +
                          Q(d.computed),
                      4, kWidth - 4, Body(), Qt::black, false, true);
            page.Line(Q(d.reason), 4, kWidth - 4, Body(false, 8.5),
                      d.explained ? QColor(60, 60, 60) : kFailColour);
        }
        page.Space(2);
        page.Rule();

        const bool passed = result.Passed();
        const std::string tally =
            std::to_string(result.agreed) + " / " + std::to_string(result.checked);
        page.Line(Q(text::Tr(passed ? text::kRecordPassed : text::kRecordFailed, tally)), 0, kWidth,
                  Body(true), passed ? kPassColour : kFailColour, false, true);
        page.Space(12);
        page.NeedRoom(40);
        for (const text::Text caption :
             {text::kAnalystCaption, text::kRecordSignature, text::kDateCaption}) {
            page.Line(T(caption) + QStringLiteral(": ______________________________________"), 0,
                      kWidth, Body(), Qt::black, false, true);
            page.Space(9);
        }
    }
    return bytes;
}

}  // namespace tubewise::validate
