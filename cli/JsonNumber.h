// JSON values of doubles: QJsonDocument writes the shortest text that reads back to the same
// double; a value that is not finite has no JSON number and becomes null.
#pragma once

#include <QJsonValue>
#include <cmath>
#include <string>

namespace tubewise::cli {

inline QJsonValue JsonNumber(double x) {
    return std::isfinite(x) ? QJsonValue(x) : QJsonValue();
}

// Shortest round-trip text of a double, for CSV files ("inf", "-inf", "nan" when not finite).
std::string ShortestText(double x);

}  // namespace tubewise::cli
