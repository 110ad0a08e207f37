// JSON values of doubles: QJsonDocument writes the shortest text that reads back to the same
// double; a value that is not finite has no JSON number and becomes null.
#pragma once

#include <QJsonValue>
#include <cmath>

namespace tubewise::cli {

inline QJsonValue JsonNumber(double x) {
    return std::isfinite(x) ? QJsonValue(x) : QJsonValue();
}

}  // namespace tubewise::cli
