#include "data/AdoObjects.h"
#include "data/DemoShop.h"
#include "data/Schema.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// A year of closed deliveries written into a freshly seeded SQLite file.
static void BM_WriteHistoryYear(benchmark::State &state)
{
    const int days = static_cast<int>(state.range(0));
    long long rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        TAdoConnection con;
        con.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + dir.filePath(QStringLiteral("bench.db")) + u';');
        con.SetNewDatabaseInitialiser([](TAdoConnection &c) {
            Schema::Create(c);
            TDemoShop(c).Seed();
        });
        con.Open();
        TDemoShop shop(con);
        state.ResumeTiming();
        rows += shop.WriteHistory(days);
    }
    state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WriteHistoryYear)->Arg(365)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

