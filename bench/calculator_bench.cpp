// What one year refresh of the window asks of the calculator, year after year
// over the window's whole range 100..2100, reported per year; and reading 10,000
// date clauses.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include <vector>

#include "clause.h"
#include "input_error.h"
#include "message_box.h"
#include "tarvinde.h"

namespace {

struct SilentBox : MessageBox {
    void show(const std::string&, int, const std::string&) override {}
};

constexpr std::int16_t kFirstYear = 100;
constexpr std::int16_t kLastYear = 2100;

void YearRefresh(benchmark::State& state) {
    SilentBox box;
    const std::int16_t day = 11, month = 11;  // the finder's opening day and month
    while (state.KeepRunning()) {
        for (std::int16_t year = kFirstYear; year <= kLastYear; ++year) {
            const Tarvinde t(box);
            benchmark::DoNotOptimize(t.IsSchrikkeljaar(year));
            benchmark::DoNotOptimize(t.NieuwjaarDag(year));
            benchmark::DoNotOptimize(t.Aswoensdag(year));
            benchmark::DoNotOptimize(t.Palmzondag(year));
            benchmark::DoNotOptimize(t.PaasDatum(year));
            benchmark::DoNotOptimize(t.PasenGallie(year));
            benchmark::DoNotOptimize(t.HemelvaartDag(year));
            benchmark::DoNotOptimize(t.PinksterenDag(year));
            benchmark::DoNotOptimize(t.OLVtenHemel(year));
            benchmark::DoNotOptimize(t.Allerheiligen(year));
            benchmark::DoNotOptimize(t.Allerzielen(year));
            benchmark::DoNotOptimize(t.Kerstmis(year));
            benchmark::DoNotOptimize(t.Oudjaarsavond(year));
            benchmark::DoNotOptimize(t.Weekdag(day, month, year));
            if (year != 1582) benchmark::DoNotOptimize(t.PasenGallie(year));  // the calendar rows
        }
    }
    // Items are years, so the report's time per item is the time per year refresh.
    state.SetItemsProcessed(state.iterations() * (kLastYear - kFirstYear + 1));
    state.counters["per_year"] = benchmark::Counter(
        static_cast<double>(state.iterations() * (kLastYear - kFirstYear + 1)),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::OneK::kIs1000);
}
BENCHMARK(YearRefresh)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// Reading date clauses as a batch reads them: 10,000 clauses of the three languages,
// the modern grammar and some that are refused, which must take well under a second.
void ReadClauses(benchmark::State& state) {
    const std::vector<std::string> clauses{
        "Actum Tornaci anno d. i. MLXXXVIII feria V. XVII. kal. aprilis",
        "anno Domini M CCC vicesimo primo, feria sexta ante festum beati Thome apostoli",
        "des saterdaghes na sinte Jans dach te midzomer int jaer ons Heren dusent vierhondert ende vijftich",
        "le merkedi apres le feste saint Andrieu l'an mil quatre cens et cinquante",
        "dinsdag na Sint-Maarten 1450",
        "XVIII kal. Ianuarii 1450",
        "Sint-Pieter 1450",
        "vrijdag XVII kal. aprilis 1088",
        "zondag na Kerstmis 1301",
        "16/3/1088",
    };
    constexpr int kLines = 10000;
    while (state.KeepRunning()) {
        for (int i = 0; i < kLines; ++i) {
            try {
                benchmark::DoNotOptimize(clause::read(clauses[static_cast<std::size_t>(i) % clauses.size()]));
            } catch (const InputError&) {
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(ReadClauses)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
