// Exact maximum-likelihood MPN of a dilution series with its bias adjustment, confidence
// limits and rarity index, under the Poisson model P(tube positive) = 1 - exp(-v * lambda).
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tubewise::stats {

// One dilution of the series: every tube holds volumeMl of sample.
struct Dilution {
    double volumeMl = 0;
    int tubes = 0;
    int positives = 0;
};

enum class CiMethod {
    Jarvis,           // log-normal limits MPN * exp(+-z SE), SE of ln MPN from the observed
                      // Fisher information at the MLE (Jarvis et al. 2010; their tables use
                      // z = 2, i.e. a level of 0.9545)
    LikelihoodRatio,  // likelihood-ratio limits (Ridout 1994)
};

// "jarvis" / "lr", the names the command line and the batch output use.
std::string_view CiMethodName(CiMethod method);
std::optional<CiMethod> ParseCiMethod(std::string_view name);

struct StatisticsOptions {
    CiMethod method = CiMethod::Jarvis;
    double level = 0.95;  // two-sided confidence level, strictly between 0 and 1
};

enum class SeriesFault {
    None,
    NoDilutions,
    VolumeNotPositive,     // volume 0, negative, infinite or not a number
    VolumesTooFarApart,    // largest over smallest volume beyond 1e150
    NegativeCount,         // tubes or positives below 0
    PositivesExceedTubes,  // more positive tubes than tubes
    NoTubes,               // every dilution has 0 tubes: nothing was observed
    LevelOutOfRange,       // confidence level not strictly between 0 and 1
    CellNotConvertible,    // a typed cell is not a number or a count is out of 16-bit range
    BeyondRange,           // the estimate or a limit lies beyond the largest double (volumes
                           // so small that the density per mL overflows)
};

// A short English reason, for messages and the batch error column.
std::string_view SeriesFaultText(SeriesFault fault);

struct SeriesCheck {
    SeriesFault fault = SeriesFault::None;
    int dilution = 0;  // 1-based dilution at fault, 0 when the fault is not one dilution's
};

SeriesCheck CheckSeries(std::span<const Dilution> series);

enum class MleKind {
    Zero,      // every tube negative: the likelihood falls with the density, MLE 0
    Finite,    // the score equation has its single root
    Infinite,  // every tube positive: the likelihood rises without bound
};

struct Mle {
    MleKind kind = MleKind::Zero;
    double perMl = 0;  // 0, the root, or +infinity
};

// The functions below expect a series that CheckSeries accepts.

// Root of sum_j p_j v_j / (exp(v_j l) - 1) = sum_j q_j v_j, to about 1e-14 relative.
Mle ExactMle(std::span<const Dilution> series);

// First-order bias correction of Salama et al. (1978) as given by Haas (1989):
// MLE - b(MLE) with b = sum n v^3 w / (2 (sum n v^2 w)^2), w = 1 / (exp(v l) - 1).
// 0 when every tube is negative; nullopt when the MLE is infinite, and when the correction is
// not smaller than the MLE (the first-order expansion has broken down: no positive density).
std::optional<double> BiasAdjustedMle(std::span<const Dilution> series, const Mle& mle);

struct ConfidenceLimits {
    double lowPerMl = 0;
    double highPerMl = 0;  // +infinity for an open upper side (every tube positive)
};

// Two-sided limits at options.level. Where every tube is negative the lower limit is 0 and the
// upper limit is the density at which that outcome has probability `tail`; where every tube
// is positive the upper side is open and the lower limit is the density at which that outcome
// has probability `tail`. The tail follows each method's publication: (1 - level) / 2 for
// Jarvis et al. (their Table 1), 1 - level for Ridout (his Table 1).
ConfidenceLimits ComputeLimits(std::span<const Dilution> series, const Mle& mle,
                               const StatisticsOptions& options);

// Blodgett's rarity index: probability of the observed pattern at the MLE over the largest
// probability of any pattern with the same tube counts at the MLE (binomial coefficients
// included). 1 where every tube is negative or every tube is positive.
double RarityIndex(std::span<const Dilution> series, const Mle& mle);

inline constexpr double kImprobableBelow = 1e-4;

struct MpnStatistics {
    SeriesCheck check;  // everything below is meaningful only when check.fault is None
    Mle mle;
    std::optional<double> biasAdjustedPerMl;
    CiMethod method = CiMethod::Jarvis;
    double level = 0.95;
    ConfidenceLimits limits;
    double rarityIndex = 1;
    bool improbable = false;
};

MpnStatistics ComputeStatistics(std::span<const Dilution> series, const StatisticsOptions& options);

// Quantile of the standard normal distribution, 0 < p < 1, full double precision.
double NormalQuantile(double p);

}  // namespace tubewise::stats
