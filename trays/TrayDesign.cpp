// Checks of a tray's counts, their refusals in the analyst's words, and the groups of wells.
#include "trays/TrayDesign.h"

#include <cmath>
#include <string_view>

#include "core/Texts.h"

namespace tubewise::trays {

namespace {

// A count as typed: a whole number from 0 up to `most`.
TrayFault CheckCount(double count, double most) {
    if (std::isnan(count)) return TrayFault::NotWholeNumber;
    if (count < 0) return TrayFault::NegativeCount;
    if (!std::isfinite(count) || count != std::floor(count)) return TrayFault::NotWholeNumber;
    if (count > most) return TrayFault::MoreThanWells;
    return TrayFault::None;
}

bool IsPositiveNumber(double x) {
    return x > 0 && std::isfinite(x);
}

std::string ReplaceAll(std::string text, std::string_view marker, std::string_view by) {
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + by.size()))
        text.replace(at, marker.size(), by);
    return text;
}

std::string Whole(double x) {
    return std::to_string(static_cast<long long>(x));
}

// The box's name as a refusal names it.
std::string BoxName(const TrayCheck& check) {
    const std::string group = std::to_string(check.group);
    switch (check.box) {
        case TrayBox::Positives:
            return text::Tr(text::kBoxPositiveWells);
        case TrayBox::LargePositives:
            return text::Tr(text::kBoxLargePositiveWells);
        case TrayBox::SmallPositives:
            return text::Tr(text::kBoxSmallPositiveWells);
        case TrayBox::DilutionFactor:
            return text::Tr(text::kBoxDilutionFactor);
        case TrayBox::GroupVolume:
            return text::Tr(text::kBoxGroupVolume, group);
        case TrayBox::GroupPositives:
            return text::Tr(text::kBoxGroupPositives, group);
        case TrayBox::GroupNegatives:
            return text::Tr(text::kBoxGroupNegatives, group);
        case TrayBox::None:
        case TrayBox::Groups:
            break;
    }
    return {};
}

TrayCheck Refuse(TrayFault fault, TrayBox box, int group = 0) {
    return {fault, box, group};
}

TrayCheck CheckGroups(const std::vector<GroupEntry>& groups) {
    if (groups.empty()) return Refuse(TrayFault::NoGroups, TrayBox::Groups);
    if (groups.size() > kMaxGroups) return Refuse(TrayFault::TooManyGroups, TrayBox::Groups);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const GroupEntry& g = groups[i];
        const int number = static_cast<int>(i) + 1;
        if (!IsPositiveNumber(g.volumeMl)) {
            return Refuse(TrayFault::NotPositive, TrayBox::GroupVolume, number);
        }
        // A single count can only be "too many" through the group's total, checked below.
        if (const TrayFault f = CheckCount(g.positives, kMaxWellsPerGroup); f != TrayFault::None) {
            return Refuse(f == TrayFault::MoreThanWells ? TrayFault::TooManyWells : f,
                          TrayBox::GroupPositives, number);
        }
        if (const TrayFault f = CheckCount(g.negatives, kMaxWellsPerGroup); f != TrayFault::None) {
            return Refuse(f == TrayFault::MoreThanWells ? TrayFault::TooManyWells : f,
                          TrayBox::GroupNegatives, number);
        }
        if (g.positives + g.negatives > kMaxWellsPerGroup) {
            return Refuse(TrayFault::TooManyWells, TrayBox::Groups, number);
        }
    }
    return {};
}

}  // namespace

TrayCheck CheckTray(const TrayInput& input) {
    switch (input.design) {
        case Design::Tray51:
            if (const TrayFault f = CheckCount(input.positives, kTray51Wells); f != TrayFault::None)
                return Refuse(f, TrayBox::Positives);
            break;
        case Design::Tray97:
            if (const TrayFault f = CheckCount(input.positives, kTray97LargeWells);
                f != TrayFault::None)
                return Refuse(f, TrayBox::LargePositives);
            if (const TrayFault f = CheckCount(input.smallPositives, kTray97SmallWells);
                f != TrayFault::None)
                return Refuse(f, TrayBox::SmallPositives);
            break;
        case Design::Groups: {
            if (const TrayCheck c = CheckGroups(input.groups); !c.ok()) return c;
            // The statistics' own check has the last word on the groups as a whole.
            const std::vector<stats::Dilution> groups = TrayGroups(input);
            switch (stats::CheckSeries(groups).fault) {
                case stats::SeriesFault::None:
                    break;
                case stats::SeriesFault::VolumesTooFarApart:
                    return Refuse(TrayFault::VolumesTooFarApart, TrayBox::Groups);
                case stats::SeriesFault::NoTubes:
                    return Refuse(TrayFault::NoWells, TrayBox::Groups);
                default:
                    return Refuse(TrayFault::Uncomputable, TrayBox::Groups);
            }
            break;
        }
    }
    if (!IsPositiveNumber(input.dilutionFactor)) {
        return Refuse(TrayFault::NotPositive, TrayBox::DilutionFactor);
    }
    return {};
}

std::string RefusalText(const TrayCheck& check) {
    using namespace text;
    switch (check.fault) {
        case TrayFault::None:
            return {};
        case TrayFault::NotWholeNumber:
            return Tr(kTrayNotWholePrompt, BoxName(check));
        case TrayFault::NegativeCount:
            return Tr(kTrayNegativePrompt, BoxName(check));
        case TrayFault::NotPositive:
            return Tr(kTrayNotPositivePrompt, BoxName(check));
        case TrayFault::MoreThanWells:
            if (check.box == TrayBox::SmallPositives) {
                return Tr(kTray97SmallTooManyPrompt, std::to_string(kTray97SmallWells));
            }
            if (check.box == TrayBox::LargePositives) {
                return Tr(kTray97LargeTooManyPrompt, std::to_string(kTray97LargeWells));
            }
            return Tr(kTray51TooManyPrompt, std::to_string(kTray51Wells));
        case TrayFault::TooManyWells:
            return ReplaceAll(Tr(kGroupTooManyWellsPrompt, std::to_string(check.group)), "%2",
                              Whole(kMaxWellsPerGroup));
        case TrayFault::NoGroups:
            return Tr(kNoGroupsPrompt);
        case TrayFault::TooManyGroups:
            return Tr(kTooManyGroupsPrompt, std::to_string(kMaxGroups));
        case TrayFault::NoWells:
            return Tr(kNoWellsPrompt);
        case TrayFault::VolumesTooFarApart:
            return Tr(kGroupVolumesApartPrompt);
        case TrayFault::Uncomputable:
            return Tr(kUncomputablePrompt);
    }
    return {};
}

std::vector<stats::Dilution> TrayGroups(const TrayInput& input) {
    switch (input.design) {
        case Design::Tray51:
            return {{kTray51WellMl, kTray51Wells, static_cast<int>(input.positives)}};
        case Design::Tray97:
            return {
                {kTray97LargeWellMl, kTray97LargeWells, static_cast<int>(input.positives)},
                {kTray97SmallWellMl, kTray97SmallWells, static_cast<int>(input.smallPositives)}};
        case Design::Groups:
            break;
    }
    std::vector<stats::Dilution> out;
    out.reserve(input.groups.size());
    for (const GroupEntry& g : input.groups) {
        out.push_back({g.volumeMl, static_cast<int>(g.positives + g.negatives),
                       static_cast<int>(g.positives)});
    }
    return out;
}

}  // namespace tubewise::trays
