// How fast a host gets the catalogue and attributes through the module.
#include <benchmark/benchmark.h>

#include "host/Session.h"

static void BuildCatalogue(benchmark::State& state) {
    Session session(DD_MODULE_PATH);
    for (auto _ : state) {
        session.calculator().BuildCatalogue();
        session.host().log().clear();
    }
}
BENCHMARK(BuildCatalogue);

static void AllAttributes(benchmark::State& state) {
    Session session(DD_MODULE_PATH);
    const auto ids = session.host().ids();
    for (auto _ : state) {
        for (const auto id : ids) benchmark::DoNotOptimize(session.host().calculated(id));
        session.host().log().clear();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(ids.size()));
}
BENCHMARK(AllAttributes);

BENCHMARK_MAIN();
