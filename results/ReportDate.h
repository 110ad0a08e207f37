// The report's date: the Persian calendar with the Gregorian date beside it.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <string>

namespace tubewise {

// "1403/05/12": the date in the Persian (Jalali) calendar, ASCII digits as the windows show.
QString JalaliDateText(QDate date);

// A date typed as YYYY/MM/DD in the Persian calendar or YYYY-MM-DD in the Gregorian one
// (ASCII, Persian or Arabic digits); nullopt for anything else or a day that does not exist.
std::optional<QDate> ParseReportDate(const QString& typed);

// The date as the report prints it: "1403/05/12 (2024-08-02)" for a date ParseReportDate
// reads, otherwise the typed text as it is (without surrounding blanks). With `gregorianFirst`
// (an English report) the Gregorian date leads: "2024-08-02 (1403/05/12)".
std::string ReportDateText(const QString& typed, bool gregorianFirst = false);

// The date box's default for today in a window's calendar: the Persian one ("1403/05/12") or,
// in English, the Gregorian one ("2024-08-02").
QString DefaultDateText(QDate date, bool gregorian);

// Whether a date box's text may go into a report: empty, or a day ParseReportDate reads.
bool ReportDateAccepted(const QString& typed);

}  // namespace tubewise
