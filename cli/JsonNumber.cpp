// Shortest round-trip text of doubles.
#include "cli/JsonNumber.h"

#include <charconv>

namespace tubewise::cli {

std::string ShortestText(double x) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, r.ptr);
}

}  // namespace tubewise::cli
