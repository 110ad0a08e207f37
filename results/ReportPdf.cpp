// The report's PDF page: laid out in millimetres on A4, text painted as the windows paint it.
#include "results/ReportPdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

#include "chart/ChartRenderer.h"
#include "shell/Fonts.h"
#include "shell/QtColour.h"
#include "shell/SaveWhole.h"

namespace tubewise {

namespace {

constexpr int kDotsPerInch = 300;
constexpr double kMargin = 15;         // mm on every side
constexpr double kCaptionWidth = 105;  // mm: the captions' column, at the right
constexpr double kGap = 4;             // mm between caption and figure
constexpr double kLineGap = 0.9;       // mm between lines
constexpr double kBodyPoints = 9;
constexpr double kChartWidth = 160;      // mm, centred
const QColor kHeadingColour(0, 0, 128);  // the navy of the program's headings
const QColor kBarColour(192, 255, 192);  // the results window's light green bars
const QColor kRuleColour(160, 160, 160);

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

constexpr double kPageWidth = 210;  // mm, A4

// Draws on the page in millimetres from its top-left corner, as the Persian page is laid out;
// a left-to-right page is drawn as its mirror image: every place and alignment reflected, the
// texts themselves read as ever.
class Page {
  public:
    Page(QPainter& painter, bool rightToLeft) : p_(painter), mirrored_(!rightToLeft) {}

    double Px(double mm) const { return mm * kDotsPerInch / 25.4; }
    QRectF Box(double left, double top, double width, double height) const {
        if (mirrored_) left = kPageWidth - left - width;
        return {Px(left), Px(top), Px(width), Px(height)};
    }

    // Paints `text` as a left-to-right paragraph, as the window's labels do (a full stop
    // stored first stands at the visual left), wrapped in `width`; returns its height in mm.
    double Text(const QString& text, double left, double top, double width, Qt::Alignment align,
                const QFont& font, const QColor& colour,
                Qt::LayoutDirection direction = Qt::LeftToRight) {
        QTextOption option(Reflected(align));
        option.setTextDirection(direction);
        option.setWrapMode(QTextOption::WordWrap);
        p_.setFont(font);
        p_.setPen(colour);
        const QRectF area = Box(left, top, width, 200);
        const QRectF used = p_.boundingRect(area, text, option);
        p_.drawText(area, text, option);
        return used.height() * 25.4 / kDotsPerInch;
    }

    void Fill(double left, double top, double width, double height, const QColor& colour) {
        p_.fillRect(Box(left, top, width, height), colour);
    }

    void Rule(double left, double top, double width) {
        const QRectF line = Box(left, top, width, 0);
        p_.setPen(QPen(kRuleColour, Px(0.2)));
        p_.drawLine(line.topLeft(), line.topRight());
    }

    QPainter& painter() { return p_; }

  private:
    Qt::Alignment Reflected(Qt::Alignment align) const {
        if (!mirrored_) return align;
        const Qt::Alignment horizontal = align & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
        Qt::Alignment out = align & ~Qt::AlignHorizontal_Mask;
        if (horizontal == Qt::AlignRight) return out | Qt::AlignLeft | Qt::AlignAbsolute;
        if (horizontal == Qt::AlignLeft) return out | Qt::AlignRight | Qt::AlignAbsolute;
        return align;
    }

    QPainter& p_;
    bool mirrored_;
};

QFont Body(bool bold = false, double points = kBodyPoints) {
    return ResolveFont("Arial", points, bold);
}

}  // namespace

QByteArray RenderReportPdf(const SampleReport& report, const ChartDescription& chart) {
    return RenderReportPdf(report, RenderChartPicture(chart, kChartPictureSize));
}

QByteArray RenderReportPdf(const SampleReport& report, const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setResolution(kDotsPerInch);
        writer.setTitle(Q(report.title));
        writer.setCreator(QStringLiteral("Tubewise"));
        QPainter painter(&writer);
        // The chart keeps its exact colours: no lossy compression of the picture.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        painter.setRenderHint(QPainter::Antialiasing);
        Page page(painter, report.rightToLeft);

        const double width = kPageWidth - 2 * kMargin;
        const double right = kPageWidth - kMargin;
        const double valueWidth = width - kCaptionWidth - kGap;
        double y = kMargin;

        y += page.Text(Q(report.title), kMargin, y, width, Qt::AlignHCenter, Body(true, 15),
                       kHeadingColour);
        y += 1;
        page.Fill(kMargin, y, width, 0.8, kBarColour);
        y += 2.5;

        for (const ReportLine& line : report.header) {
            const double h = std::max(
                page.Text(Q(line.caption), right - 35, y, 35, Qt::AlignRight, Body(true),
                          Qt::black),
                // What the analyst typed runs in its own direction.
                page.Text(Q(line.value), kMargin, y, width - 35 - kGap,
                          Qt::AlignRight | Qt::AlignAbsolute, Body(), Qt::black,
                          Q(line.value).isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight));
            y += h + kLineGap;
        }

        // A heading at the right with the light green bar running to its left, as in the
        // results window.
        auto heading = [&](const std::string& text) {
            y += 2.5;
            const QFont font = Body(true, 10.5);
            const double h =
                page.Text(Q(text), kMargin, y, width, Qt::AlignRight, font, kHeadingColour);
            const double textWidth =
                QFontMetricsF(font, painter.device()).horizontalAdvance(Q(text)) * 25.4 /
                kDotsPerInch;
            page.Fill(kMargin, y + h / 2, std::max(0.0, width - textWidth - 4), 0.8, kBarColour);
            y += h + 1;
        };

        if (!report.seriesRows.empty()) {
            heading(report.seriesHeading);
            const double column = width / static_cast<double>(report.seriesColumns.size());
            auto row = [&](const std::vector<std::string>& cells, bool bold) {
                double h = 0;
                for (std::size_t c = 0; c < cells.size(); ++c) {
                    const double left = right - column * static_cast<double>(c + 1);
                    h = std::max(h, page.Text(Q(cells[c]), left + 1, y + 0.6, column - 2,
                                              Qt::AlignHCenter, Body(bold), Qt::black));
                }
                y += h + 1.2;
                page.Rule(kMargin, y, width);
            };
            page.Rule(kMargin, y, width);
            row(report.seriesColumns, true);
            for (const auto& cells : report.seriesRows) row(cells, false);
        }

        for (const ReportSection& section : report.sections) {
            heading(section.heading);
            for (const ReportLine& line : section.lines) {
                const QColor colour = line.colour ? ToQColor(*line.colour) : QColor(Qt::black);
                double h = 0;
                if (line.caption.empty()) {
                    h = page.Text(Q(line.value), kMargin, y, width, Qt::AlignRight, Body(true),
                                  colour);
                } else {
                    h = std::max(page.Text(Q(line.caption), right - kCaptionWidth, y, kCaptionWidth,
                                           Qt::AlignRight, Body(), Qt::black),
                                 page.Text(Q(line.value), kMargin, y, valueWidth, Qt::AlignRight,
                                           Body(true), colour));
                }
                y += h + kLineGap;
            }
        }

        heading(report.chartHeading);
        const double pictureHeight = kChartWidth * picture.height() / std::max(1, picture.width());
        painter.drawImage(page.Box(105 - kChartWidth / 2, y + 1, kChartWidth, pictureHeight),
                          picture);
    }
    buffer.close();
    return bytes;
}

bool SaveReportPdf(const SampleReport& report, const ChartDescription& chart, const QString& path,
                   QString* reason) {
    return SaveWhole(path, RenderReportPdf(report, chart), reason);
}

bool SaveReportPdf(const SampleReport& report, const QImage& chartPicture, const QString& path,
                   QString* reason) {
    return SaveWhole(path, RenderReportPdf(report, chartPicture), reason);
}

}  // namespace tubewise
