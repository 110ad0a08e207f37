// The published tables, transcribed figure for figure, and the reader of an altered copy of the
// three-tube table that the tests use.
#include "validate/PublishedTables.h"

#include <sstream>

namespace tubewise::validate {

namespace {

constexpr char kOwnRounding[] = "the table's own rounding";

PublishedTable BamThreeTube() {
    PublishedTable t;
    t.name = "FDA BAM Appendix 2, Table 1 (3 tubes)";
    t.source =
        "FDA Bacteriological Analytical Manual, Appendix 2, Table 1 (Blodgett, 2010): 3 tubes "
        "at 0.1, 0.01, 0.001 g, MPN/g (= 10, 1, 0.1 mL, MPN/100 mL)";
    t.volumesMl = {10, 1, 0.1};
    t.tubes = {3, 3, 3};
    t.scale = 100;
    t.unit = "MPN/100 mL";
    t.convention = {Rounding::SignificantFigures, 2};
    t.limits = LimitsKind::NotOffered;
    t.limitsNote =
        "95 % limits by the manual's own method (neither log-normal nor likelihood ratio); "
        "not compared";
    t.rows = {
        {{0, 0, 0}, "<3.0", "", "", "9.5"},     {{0, 0, 1}, "3", "", "0.15", "9.6"},
        {{0, 1, 0}, "3", "", "0.15", "11"},     {{0, 1, 1}, "6.1", "", "1.2", "18"},
        {{0, 2, 0}, "6.2", "", "1.2", "18"},    {{0, 3, 0}, "9.4", "", "3.6", "38"},
        {{1, 0, 0}, "3.6", "", "0.17", "18"},   {{1, 0, 1}, "7.2", "", "1.3", "18"},
        {{1, 0, 2}, "11", "", "3.6", "38"},     {{1, 1, 0}, "7.4", "", "1.3", "20"},
        {{1, 1, 1}, "11", "", "3.6", "38"},     {{1, 2, 0}, "11", "", "3.6", "42"},
        {{1, 2, 1}, "15", "", "4.5", "42"},     {{1, 3, 0}, "16", "", "4.5", "42"},
        {{2, 0, 0}, "9.2", "", "1.4", "38"},    {{2, 0, 1}, "14", "", "3.6", "42"},
        {{2, 0, 2}, "20", "", "4.5", "42"},     {{2, 1, 0}, "15", "", "3.7", "42"},
        {{2, 1, 1}, "20", "", "4.5", "42"},     {{2, 1, 2}, "27", "", "8.7", "94"},
        {{2, 2, 0}, "21", "", "4.5", "42"},     {{2, 2, 1}, "28", "", "8.7", "94"},
        {{2, 2, 2}, "35", "", "8.7", "94"},     {{2, 3, 0}, "29", "", "8.7", "94"},
        {{2, 3, 1}, "36", "", "8.7", "94"},     {{3, 0, 0}, "23", "", "4.6", "94"},
        {{3, 0, 1}, "38", "", "8.7", "110"},    {{3, 0, 2}, "64", "", "17", "180"},
        {{3, 1, 0}, "43", "", "9", "180"},      {{3, 1, 1}, "75", "", "17", "200"},
        {{3, 1, 2}, "120", "", "37", "420"},    {{3, 1, 3}, "160", "", "40", "420"},
        {{3, 2, 0}, "93", "", "18", "420"},     {{3, 2, 1}, "150", "", "37", "420"},
        {{3, 2, 2}, "210", "", "40", "430"},    {{3, 2, 3}, "290", "", "90", "1000"},
        {{3, 3, 0}, "240", "", "42", "1000"},   {{3, 3, 1}, "460", "", "90", "2000"},
        {{3, 3, 2}, "1100", "", "180", "4100"}, {{3, 3, 3}, ">1100", "", "420", ""},
    };
    return t;
}

// Rows of the five-tube table (Table 2) and the ten-tube tables (Tables 3 and 5) as quoted in
// the test data of the R package MPN (Ferguson and Ihrie, FDA).
PublishedTable BamFiveTube() {
    PublishedTable t;
    t.name = "FDA BAM Appendix 2, Table 2 (5 tubes)";
    t.source =
        "FDA Bacteriological Analytical Manual, Appendix 2, Table 2: 5 tubes at 0.1, 0.01, "
        "0.001 g, MPN/g (rows quoted by the R package MPN's tests)";
    t.volumesMl = {0.1, 0.01, 0.001};
    t.tubes = {5, 5, 5};
    t.unit = "MPN/g";
    t.rows = {
        {{0, 0, 1}, "1.8", "", "", ""},
        {{1, 2, 0}, "6.1", "", "", ""},
        {{4, 0, 2}, "21", "", "", ""},
        {{5, 5, 4}, "1600", "", "", ""},
    };
    return t;
}

PublishedTable BamTenTube() {
    PublishedTable t;
    t.name = "FDA BAM Appendix 2, Table 3 (10 tubes)";
    t.source =
        "FDA Bacteriological Analytical Manual, Appendix 2, Table 3: 10 tubes at 0.1, 0.01, "
        "0.001 g, MPN/g (rows quoted by the R package MPN's tests)";
    t.volumesMl = {0.1, 0.01, 0.001};
    t.tubes = {10, 10, 10};
    t.unit = "MPN/g";
    t.rows = {
        {{0, 0, 1}, "0.9", "", "", ""},
        {{3, 2, 2}, "7.5", "", "", ""},
        {{8, 2, 0}, "17", "", "", ""},
        {{10, 10, 9}, "2300", "", "", ""},
    };
    return t;
}

PublishedTable BamTenTenMl() {
    PublishedTable t;
    t.name = "FDA BAM Appendix 2, Table 5 (10 tubes of 10 mL)";
    t.source =
        "FDA Bacteriological Analytical Manual, Appendix 2, Table 5: 10 tubes of 10 mL, "
        "MPN/100 mL (rows quoted by the R package MPN's tests)";
    t.volumesMl = {10};
    t.tubes = {10};
    t.scale = 100;
    t.unit = "MPN/100 mL";
    t.rows = {
        {{1}, "1.1", "", "", ""},
        {{5}, "6.9", "", "", ""},
        {{9}, "23", "", "", ""},
    };
    return t;
}

// Ridout's likelihood-ratio limits: the program's own method, so every figure is compared.
PublishedTable RidoutThreeTube() {
    PublishedTable t;
    t.name = "Ridout 1994, Table 1 (3 tubes, likelihood ratio)";
    t.source =
        "Ridout, M.S. (1994) A comparison of confidence interval methods for dilution series "
        "experiments. Biometrics 50, 289-296, Table 1: 3 tubes at 0.1, 0.01, 0.001 g, MPN/g "
        "with 95 % likelihood-ratio limits";
    t.volumesMl = {0.1, 0.01, 0.001};
    t.tubes = {3, 3, 3};
    t.unit = "MPN/g";
    t.convention = {Rounding::Decimals, 1};
    t.limits = LimitsKind::Compared;
    t.method = stats::CiMethod::LikelihoodRatio;
    t.level = 0.95;
    t.rows = {
        {{0, 0, 0}, "0", "", "0", "9.0"},
        {{0, 1, 0}, "3.1", "", "0.2", "13.4"},
        {{1, 0, 0}, "3.6", "", "0.2", "16.0"},
        {{1, 1, 0}, "7.4", "", "1.2", "23.3"},
        {{2, 0, 0}, "9.2", "", "1.5", "30.6"},
        {{2, 0, 1}, "14.3", "", "3.4", "40.5"},
        {{2, 1, 0}, "14.7", "", "3.5", "41.8"},
        {{2, 2, 0}, "21.1", "", "6.2", "54.3"},
        {{3, 0, 0}, "23.1", "", "4.9", "90.8"},
        {{3, 0, 1}, "38.5", "", "9.3", "139.1"},
        {{3, 1, 0}, "42.7", "", "9.8", "164.7"},
        {{3, 1, 1}, "74.9", "", "17.5", "235.4"},
        {{3, 2, 0}, "93.3", "", "19.8", "311.0"},
        {{3, 2, 1}, "149.4", "", "36.8", "425.7"},
        {{3, 2, 2}, "214.7", "", "62.9", "554.8"},
        {{3, 3, 0}, "239.8", "", "51.0", "975.0"},
        {{3, 3, 1}, "462.2", "", "102.5", "1848.5"},
        {{3, 3, 2}, "1099.0", "", "218.8", "3784.9"},
        {{3, 3, 3}, "", "", "465.1", ""},
    };
    return t;
}

PublishedTable HaasFiveTube(std::string name, std::vector<double> volumes, int digits,
                            std::vector<TableRow> rows) {
    PublishedTable t;
    t.name = std::move(name);
    t.source =
        "Haas, C.N. (1989) Estimation of microbial densities from dilution count experiments. "
        "Applied and Environmental Microbiology 55, 1934-1942: MPN and bias-adjusted MPN per "
        "mL, 5 tubes at 10, 1, 0.1 (, 0.01) mL (Salama et al. 1978)";
    t.volumesMl = std::move(volumes);
    t.tubes.assign(t.volumesMl.size(), 5);
    t.unit = "MPN/mL";
    t.convention = {Rounding::Decimals, digits};
    t.rows = std::move(rows);
    return t;
}

PublishedTable Tray51() {
    PublishedTable t;
    t.name = "IDEXX Quanti-Tray (51 wells)";
    t.source = "IDEXX Quanti-Tray MPN table (51 wells of 100/51 mL), MPN/100 mL";
    t.volumesMl = {trays::kTray51WellMl};
    t.tubes = {trays::kTray51Wells};
    t.tray = trays::Design::Tray51;
    t.scale = 100;
    t.unit = "MPN/100 mL";
    t.convention = {Rounding::Decimals, 1};
    t.rows = {
        {{1}, "1.0", "", "", ""},
        {{25}, "34.4", "", "", ""},
        {{50}, "200.5", "", "", ""},
        {{51}, ">200.5", "", "", ""},
    };
    return t;
}

PublishedTable Tray97() {
    PublishedTable t;
    t.name = "IDEXX Quanti-Tray/2000 (49 large, 48 small wells)";
    t.source =
        "IDEXX Quanti-Tray/2000 MPN table (49 wells of 1.9 mL, 48 wells of 0.16 mL, taken as "
        "0.1599954 mL), MPN/100 mL";
    t.volumesMl = {trays::kTray97LargeWellMl, trays::kTray97SmallWellMl};
    t.tubes = {trays::kTray97LargeWells, trays::kTray97SmallWells};
    t.tray = trays::Design::Tray97;
    t.scale = 100;
    t.unit = "MPN/100 mL";
    t.convention = {Rounding::Decimals, 1};
    t.rows = {
        {{1, 0}, "1.0", "", "", ""},      {{10, 5}, "16.6", "", "", ""},
        {{25, 10}, "48.2", "", "", ""},   {{30, 30}, "97.6", "", "", ""},
        {{49, 47}, "2419.6", "", "", ""}, {{49, 48}, ">2419.6", "", "", ""},
    };
    return t;
}

std::vector<int> ParsePattern(const std::string& text) {
    std::vector<int> positives;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, '-')) {
        if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos) return {};
        positives.push_back(std::stoi(part));
    }
    return positives;
}

std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.push_back(field);
            field.clear();
        } else if (c != '\r') {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

}  // namespace

std::vector<PublishedTable> BuiltInTables() {
    std::vector<PublishedTable> tables;
    tables.push_back(BamThreeTube());
    tables.push_back(BamFiveTube());
    tables.push_back(BamTenTube());
    tables.push_back(BamTenTenMl());
    tables.push_back(RidoutThreeTube());
    tables.back().known = {
        {"0-1-0", "MPN", "3.1",
         std::string(kOwnRounding) + ": the estimate 3.049 lies just below 3.05 and is printed "
                                     "rounded up"},
        {"3-3-2", "MPN", "1099.0",
         std::string(kOwnRounding) + ": the estimate 1098.94997 lies just below 1098.95 and is "
                                     "printed rounded up"},
    };
    // Limits that differ in the printed tenth by at most 0.03 %, in either direction: the
    // table's limits were found to about four significant figures.
    const char* ridoutLimits[][3] = {
        {"1-1-0", "upper limit", "23.3"},   {"3-1-1", "upper limit", "235.4"},
        {"3-2-0", "upper limit", "311.0"},  {"3-2-1", "upper limit", "425.7"},
        {"3-2-2", "lower limit", "62.9"},   {"3-2-2", "upper limit", "554.8"},
        {"3-3-0", "upper limit", "975.0"},  {"3-3-1", "lower limit", "102.5"},
        {"3-3-1", "upper limit", "1848.5"}, {"3-3-2", "lower limit", "218.8"},
        {"3-3-2", "upper limit", "3784.9"},
    };
    for (const auto& [row, quantity, printed] : ridoutLimits)
        tables.back().known.push_back(
            {row, quantity, printed,
             std::string(kOwnRounding) +
                 ": its likelihood-ratio limits were found to about four significant "
                 "figures, so the last printed digit can differ from the exact limit"});
    tables.push_back(HaasFiveTube("Haas 1989, Table 1 (5 tubes, 3 dilutions)", {10, 1, 0.1}, 2,
                                  {
                                      {{0, 0, 0}, "0", "0", "", ""},
                                      {{0, 0, 1}, "0.02", "0.02", "", ""},
                                      {{0, 1, 0}, "0.02", "0.02", "", ""},
                                      {{0, 2, 0}, "0.04", "0.03", "", ""},
                                      {{1, 1, 1}, "0.06", "0.05", "", ""},
                                      {{3, 2, 0}, "0.14", "0.12", "", ""},
                                      {{5, 0, 2}, "0.43", "0.30", "", ""},
                                      {{5, 4, 3}, "2.78", "2.05", "", ""},
                                      {{5, 5, 4}, "16.09", "12.09", "", ""},
                                  }));
    tables.push_back(HaasFiveTube("Haas 1989, Table 2 (5 tubes, 4 dilutions)", {10, 1, 0.1, 0.01},
                                  2,
                                  {
                                      {{0, 0, 0, 0}, "0", "0", "", ""},
                                      {{0, 0, 1, 0}, "0.02", "0.02", "", ""},
                                      {{1, 2, 0, 0}, "0.06", "0.05", "", ""},
                                      {{3, 1, 1, 0}, "0.14", "0.12", "", ""},
                                      {{5, 2, 1, 1}, "0.92", "0.80", "", ""},
                                      {{5, 5, 4, 4}, "34.54", "23.70", "", ""},
                                      {{5, 5, 5, 4}, "160.94", "120.93", "", ""},
                                  }));
    tables.push_back(HaasFiveTube("Haas 1989, Table 5 (5 tubes, 4 dilutions)", {10, 1, 0.1, 0.01},
                                  4,
                                  {
                                      {{4, 1, 0, 0}, "0.1680", "0.1405", "", ""},
                                      {{3, 0, 0, 0}, "0.0777", "0.0688", "", ""},
                                  }));
    tables.back().known = {
        {"4-1-0-0", "MPN", "0.1680",
         "a misprint: the exact estimate is 0.16854, and the table's other row agrees to its "
         "four decimals"},
    };
    tables.push_back(Tray51());
    tables.push_back(Tray97());
    return tables;
}

std::optional<std::string> ReplaceThreeTubeRows(std::vector<PublishedTable>& tables,
                                                const std::string& csvText) {
    if (tables.empty()) return "no three-tube table";
    PublishedTable& table = tables.front();
    std::vector<TableRow> rows;
    std::stringstream in(csvText);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line == "\r") continue;
        const std::vector<std::string> f = SplitCsvLine(line);
        if (f.size() < 6) return "line " + std::to_string(lineNumber) + ": fewer than 6 fields";
        if (f[0] == "pattern") continue;
        TableRow row{ParsePattern(f[0]), f[3], "", f[4], f[5]};
        if (row.positives.size() != table.tubes.size())
            return "line " + std::to_string(lineNumber) + ": pattern '" + f[0] + "' is not " +
                   std::to_string(table.tubes.size()) + " counts";
        rows.push_back(std::move(row));
    }
    if (rows.empty()) return "no rows";
    table.rows = std::move(rows);
    table.name += " [altered copy]";
    return std::nullopt;
}

}  // namespace tubewise::validate
