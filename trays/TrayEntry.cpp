// Reading the entry window's boxes into a tray input.
#include "trays/TrayEntry.h"

#include <limits>
#include <sstream>
#include <vector>

namespace tubewise::trays {

namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

double Number(const std::string& text, const NumberLocale& locale) {
    return TextToFloat(text, locale).value_or(kNotANumber);
}

std::vector<std::string> Fields(const std::string& group) {
    std::vector<std::string> fields(1);
    for (char c : group) {
        if (c == ':')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

GroupEntry ReadGroup(const std::string& written, const NumberLocale& locale) {
    const std::vector<std::string> f = Fields(written);
    GroupEntry g;
    g.volumeMl = Number(f[0], locale);
    g.positives = f.size() > 1 ? Number(f[1], locale) : kNotANumber;
    // Three fields exactly: a fourth makes the negatives unreadable rather than ignored.
    g.negatives = f.size() == 3 ? Number(f[2], locale) : kNotANumber;
    return g;
}

}  // namespace

TrayInput ReadTrayBoxes(const TrayBoxTexts& boxes, const NumberLocale& locale) {
    TrayInput input;
    input.design = boxes.design;
    input.dilutionFactor = Number(boxes.dilutionFactor, locale);
    switch (boxes.design) {
        case Design::Tray51:
            input.positives = Number(boxes.positives, locale);
            break;
        case Design::Tray97:
            input.positives = Number(boxes.positives, locale);
            input.smallPositives = Number(boxes.smallPositives, locale);
            break;
        case Design::Groups: {
            std::istringstream words(boxes.groups);
            for (std::string group; words >> group;)
                input.groups.push_back(ReadGroup(group, locale));
            break;
        }
    }
    return input;
}

}  // namespace tubewise::trays
