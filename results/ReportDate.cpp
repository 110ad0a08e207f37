// Persian and Gregorian dates of the report.
#include "results/ReportDate.h"

#include <QCalendar>
#include <QRegularExpression>

namespace tubewise {

namespace {

const QCalendar& Jalali() {
    static const QCalendar calendar(QCalendar::System::Jalali);
    return calendar;
}

// Persian (U+06F0..) and Arabic-Indic (U+0660..) digits to ASCII.
QString AsciiDigits(QString text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x06F0 && u <= 0x06F9) c = QChar(u'0' + (u - 0x06F0));
        if (u >= 0x0660 && u <= 0x0669) c = QChar(u'0' + (u - 0x0660));
    }
    return text;
}

}  // namespace

QString JalaliDateText(QDate date) {
    const QCalendar::YearMonthDay ymd = Jalali().partsFromDate(date);
    return QStringLiteral("%1/%2/%3")
        .arg(ymd.year, 4, 10, QLatin1Char('0'))
        .arg(ymd.month, 2, 10, QLatin1Char('0'))
        .arg(ymd.day, 2, 10, QLatin1Char('0'));
}

std::optional<QDate> ParseReportDate(const QString& typed) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{4})([/-])(\\d{1,2})\\2(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(AsciiDigits(typed));
    if (!m.hasMatch()) return std::nullopt;
    const int year = m.captured(1).toInt();
    const int month = m.captured(3).toInt();
    const int day = m.captured(4).toInt();
    const QDate date = m.captured(2) == QLatin1String("/")
                           ? Jalali().dateFromParts(year, month, day)
                           : QDate(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

std::string ReportDateText(const QString& typed, bool gregorianFirst) {
    if (const auto date = ParseReportDate(typed)) {
        const QString jalali = JalaliDateText(*date);
        const QString gregorian = date->toString(QStringLiteral("yyyy-MM-dd"));
        const QString& first = gregorianFirst ? gregorian : jalali;
        const QString& second = gregorianFirst ? jalali : gregorian;
        return (first + QStringLiteral(" (") + second + QLatin1Char(')')).toStdString();
    }
    return typed.trimmed().toStdString();
}

QString DefaultDateText(QDate date, bool gregorian) {
    return gregorian ? date.toString(QStringLiteral("yyyy-MM-dd")) : JalaliDateText(date);
}

bool ReportDateAccepted(const QString& typed) {
    return typed.trimmed().isEmpty() || ParseReportDate(typed).has_value();
}

}  // namespace tubewise
