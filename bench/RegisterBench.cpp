// The sample register on SQLite: adding one record (one transaction, synced), and, over a
// register of 100,000 records, reading the latest versions and verifying the whole chain.
// `register_bench --make FILE N [distinct]` writes such a register for timing the command line.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstring>
#include <variant>

#include "register/RecordCompute.h"
#include "register/RegisterStore.h"

namespace {

using namespace tubewise;

// Sample i of a 10, 1, 0.1 mL five-tube design, cycling through its 216 patterns; `distinct`
// also shifts the first volume so that no two samples share their inputs (nothing to reuse).
reg::RecordVersion Sample(int i, bool distinct) {
    reg::RecordVersion v;
    v.sampleId = "S" + std::to_string(i);
    v.site = "Site " + std::to_string(i % 20);
    v.sampledAt = "2026-11-" + std::to_string(10 + i % 18) + " 08:00";
    v.receivedAt = "2026-11-" + std::to_string(11 + i % 18) + " 09:30";
    v.analyst = "Analyst";
    const int a = i % 6, b = (i / 6) % 6, c = (i / 36) % 6;
    const std::string first = distinct ? "10." + std::to_string(i / 216 + 1) : "10";
    v.inputs.rows = {{first, std::to_string(a), std::to_string(5 - a)},
                     {"1", std::to_string(b), std::to_string(5 - b)},
                     {"0.1", std::to_string(c), std::to_string(5 - c)}};
    v.results = std::get<reg::RecordResults>(reg::ComputeResults(v.inputs));
    v.programVersion = "bench";
    v.savedAt = "2026-12-01T00:00:00.000Z";
    v.savedBy = "bench";
    return v;
}

bool Make(const QString& path, int count, bool distinct) {
    QString error;
    auto store = reg::RegisterStore::Open(path, &error);
    std::vector<reg::RecordVersion> drafts;
    for (int i = 0; i < count; ++i) drafts.push_back(Sample(i, distinct));
    if (!store || !store->AddAll(std::move(drafts), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    return true;
}

void BM_AddOneRecord(benchmark::State& state) {
    QTemporaryDir dir;
    QString error;
    auto store = reg::RegisterStore::Open(dir.filePath(QStringLiteral("r.sqlite")), &error);
    int i = 0;
    for (auto _ : state) {
        auto v = Sample(i++, false);
        if (!store->Add(std::move(v), &error)) state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_AddOneRecord)->Unit(benchmark::kMillisecond);

// A 100,000-record register, made once per kind (0: repeated patterns, 1: all distinct).
const QString& BigRegister(bool distinct) {
    static QTemporaryDir dir;
    static QString paths[2];
    QString& path = paths[distinct ? 1 : 0];
    if (path.isEmpty()) {
        path = dir.filePath(distinct ? QStringLiteral("distinct.sqlite")
                                     : QStringLiteral("repeated.sqlite"));
        Make(path, 100000, distinct);
    }
    return path;
}

void BM_Latest100k(benchmark::State& state) {
    QString error;
    auto store = reg::RegisterStore::Open(BigRegister(false), &error);
    for (auto _ : state) {
        const auto records = store->Latest(&error);
        if (!records || records->size() != 100000) state.SkipWithError("not 100,000 records");
    }
}
BENCHMARK(BM_Latest100k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Verify100k(benchmark::State& state) {
    QString error;
    auto store = reg::RegisterStore::Open(BigRegister(state.range(0) != 0), &error);
    for (auto _ : state) {
        const auto outcome = store->Verify();
        if (!outcome.intact || outcome.versions != 100000) state.SkipWithError("not intact");
    }
}
BENCHMARK(BM_Verify100k)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Arg(0)
    ->Arg(1)
    ->ArgNames({"distinct"});

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc >= 4 && std::strcmp(argv[1], "--make") == 0)
        return Make(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]),
                    argc >= 5 && std::strcmp(argv[4], "distinct") == 0)
                   ? 0
                   : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
