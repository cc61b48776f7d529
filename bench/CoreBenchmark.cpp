#include "core/DamageCalculation.h"
#include "core/MemoryFieldStore.h"
#include "core/NumberConversion.h"

#include <benchmark/benchmark.h>

namespace {

class NullNotifier : public taruk::Notifier {
public:
    void notify(std::string_view) override {}
};

void BM_RunDamageCalculation(benchmark::State &state)
{
    taruk::MemoryFieldStore store;
    NullNotifier notifier;
    store.setText(taruk::FieldId::Text1, "5000");
    store.setText(taruk::FieldId::Text2, "1.2");
    store.setText(taruk::FieldId::Text5, "20");
    for (auto _ : state)
        taruk::runDamageCalculation(store, notifier);
}
BENCHMARK(BM_RunDamageCalculation);

void BM_ParseNumber(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(taruk::parseNumber(" 10233.6 "));
}
BENCHMARK(BM_ParseNumber);

void BM_FormatNumber(benchmark::State &state)
{
    double v = 18420.48;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(taruk::formatNumber(v));
    }
}
BENCHMARK(BM_FormatNumber);

} // namespace
