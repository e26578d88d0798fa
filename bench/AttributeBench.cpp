// The module beside its floor (bench/Floor.h), in the same run. Each
// iteration times the module's pass and then the floors' passes over the same
// items on the same host, so a loaded machine slows them alike; the ratios
// are the result, printed per benchmark and in a summary at the end:
//   x_floor  module time / the floor that builds the same objects and makes
//            the module's host calls, answered by the same host
//   x_bare   module time / the floor of setters alone, no host calls
//   allocs, floor_allocs, bare_allocs  heap allocations per module call
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

#include "bench/Allocations.h"
#include "bench/Floor.h"
#include "host/Dump.h"
#include "host/Session.h"

namespace {

void same(const CDDObject& floor, const CDDObject& module) {
    if (dumpObject(floor, {}) != dumpObject(module, {}))
        throw std::runtime_error("the floor differs from the module:\n" + dumpObject(floor, {}) + "\n" +
                                 dumpObject(module, {}));
}

struct Item {
    std::int32_t id;
    enumDDObjectKind kind;
    std::unique_ptr<CDDObject> answer;  // the module's
    std::vector<HostCall> calls;        // the module's, while it filled the answer
    bool hasValidity = false;
    std::vector<HostCall> validityCalls;
};

// A device on a host that keeps filled collections or has them recalculated,
// with each item's answer and host calls recorded once through the trace.
class Device {
public:
    explicit Device(bool keepCollections) {
        StandInHost& host = session_.host();
        host.keepCollections(keepCollections);
        for (const std::int32_t id : host.ids()) {
            Item item{id, host.object(id)->getcDefinition()->getKind(), nullptr, {}, false, {}};
            host.log().clear();
            item.answer = host.calculated(id);
            item.calls = parseCalls(host, host.log().lines());
            host.log().clear();
            item.hasValidity = validity(session_.calculator(), *item.answer).has_value();
            item.validityCalls = parseCalls(host, host.log().lines());
            same(*floor(item, true), *item.answer);
            items_.push_back(std::move(item));
        }
        host.log().enable(false);
        host.log().clear();
    }

    std::vector<Item*> items(std::optional<enumDDObjectKind> kind) {
        std::vector<Item*> chosen;
        for (auto& item : items_)
            if (!kind || item.kind == *kind) chosen.push_back(&item);
        return chosen;
    }
    std::unique_ptr<CDDObject> module(const Item& item) { return session_.host().calculated(item.id); }
    std::unique_ptr<CDDObject> floor(Item& item, bool withCalls) {
        StandInHost& host = session_.host();
        std::unique_ptr<CDDObject> object(host.object(item.id)->clone());
        if (withCalls) replay(host, item.calls);
        rebuild(*item.answer, *object);
        return object;
    }
    bool moduleValidity(Item& item) { return validity(session_.calculator(), *item.answer).value_or(false); }
    void floorValidity(Item& item) { replay(session_.host(), item.validityCalls); }

private:
    Session session_{DD_MODULE_PATH, Session::Trace::On};
    std::vector<Item> items_;
};

Device& device(bool keepCollections) {
    static std::map<bool, std::unique_ptr<Device>> devices;
    auto& d = devices[keepCollections];
    if (!d) d = std::make_unique<Device>(keepCollections);
    return *d;
}

// ---------------------------------------------------------------- timing

struct Pass {
    Pass(std::function<void()> f = {}) : run(std::move(f)) {}  // NOLINT(google-explicit-constructor)
    std::function<void()> run;
    double seconds = 0;
    long allocations = 0;
    void operator()() {
        const long before = allocationCount();
        const auto start = std::chrono::steady_clock::now();
        run();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        allocations += allocationCount() - before;
    }
};

struct Result {
    double xFloor = 0, xBare = 0;
    double allocs = 0, floorAllocs = 0, bareAllocs = 0;
};
std::vector<std::pair<std::string, Result>> results;  // the last run of each benchmark, in order

void store(const std::string& name, const Result& result) {
    for (auto& [n, r] : results)
        if (n == name) {
            r = result;
            return;
        }
    results.emplace_back(name, result);
}

// Times the module's pass, then the floors', in every iteration. `calls` is
// how many module calls one pass makes; `bare` may be empty.
void compare(benchmark::State& state, const std::string& name, std::size_t calls, Pass module, Pass floor,
             Pass bare = {}) {
    for (auto _ : state) {
        module();
        floor();
        if (bare.run) bare();
    }
    const double n = static_cast<double>(state.iterations()) * static_cast<double>(calls);
    Result r{module.seconds / floor.seconds, bare.run ? module.seconds / bare.seconds : 0,
             static_cast<double>(module.allocations) / n, static_cast<double>(floor.allocations) / n,
             static_cast<double>(bare.allocations) / n};
    state.counters["x_floor"] = r.xFloor;
    if (bare.run) state.counters["x_bare"] = r.xBare;
    state.counters["allocs"] = r.allocs;
    state.counters["floor_allocs"] = r.floorAllocs;
    if (bare.run) state.counters["bare_allocs"] = r.bareAllocs;
    store(name, r);
}

// ---------------------------------------------------------------- benchmarks

// BuildCatalogue beside the same AddObject, request, reply and variable-set
// calls made with objects and sets built by setters.
void catalogue(benchmark::State& state, const std::string& name) {
    static struct Recorded {
        Session session{DD_MODULE_PATH, Session::Trace::On};
        std::vector<HostCall> calls;
        Recorded() {
            StandInHost& host = session.host();
            host.log().clear();
            session.calculator().BuildCatalogue();
            calls = parseCalls(host, host.log().lines());
            host.log().enable(false);
            std::map<std::int32_t, std::unique_ptr<CDDObject>> built;
            for (const std::int32_t id : host.ids()) built[id].reset(host.object(id)->clone());
            replay(host, calls);
            for (const auto& [id, object] : built) same(*host.object(id), *object);
        }
    } recorded;
    compare(state, name, 1, {[&] { recorded.session.calculator().BuildCatalogue(); }},
            {[&] { replay(recorded.session.host(), recorded.calls); }});
}

void attributes(benchmark::State& state, const std::string& name, bool keepCollections,
                std::optional<enumDDObjectKind> kind) {
    Device& d = device(keepCollections);
    const auto items = d.items(kind);
    compare(state, name, items.size(), {[&] {
                for (Item* i : items) benchmark::DoNotOptimize(d.module(*i).get());
            }},
            {[&] {
                for (Item* i : items) benchmark::DoNotOptimize(d.floor(*i, true).get());
            }},
            {[&] {
                for (Item* i : items) benchmark::DoNotOptimize(d.floor(*i, false).get());
            }});
}

void validities(benchmark::State& state, const std::string& name) {
    Device& d = device(false);
    std::vector<Item*> items;
    for (Item* i : d.items(std::nullopt))
        if (i->hasValidity) items.push_back(i);
    compare(state, name, items.size(), {[&] {
                for (Item* i : items) benchmark::DoNotOptimize(d.moduleValidity(*i));
            }},
            {[&] {
                for (Item* i : items) d.floorValidity(*i);
            }});
}

// ---------------------------------------------------------------- summary

const Result* result(const std::string& name) {
    for (const auto& [n, r] : results)
        if (n == name) return &r;
    return nullptr;
}

void goal(const char* what, const char* name, double Result::*ratio, const char* of, double limit) {
    const Result* r = result(name);
    if (!r) return;
    std::printf("  %-44s %5.2f x %-22s goal <= %.1f  %s\n", what, r->*ratio, of, limit,
                r->*ratio <= limit ? "met" : "MISSED");
}

void summary() {
    if (results.empty()) return;
    std::printf("\nThe module beside its floor: time ratios, allocations per call\n");
    std::printf("  %-40s %8s %8s %9s %9s %9s\n", "", "x floor", "x bare", "allocs", "floor", "bare");
    for (const auto& [name, r] : results) {
        std::printf("  %-40s %8.2f ", name.c_str(), r.xFloor);
        if (r.xBare > 0)
            std::printf("%8.2f %9.1f %9.1f %9.1f\n", r.xBare, r.allocs, r.floorAllocs, r.bareAllocs);
        else
            std::printf("%8s %9.1f %9.1f %9s\n", "-", r.allocs, r.floorAllocs, "-");
    }
    std::printf("Goals:\n");
    goal("all attributes, host keeping collections", "AllAttributes/keeping", &Result::xFloor, "the floor", 1.1);
    goal("all attributes, host recalculating them", "AllAttributes/recalculating", &Result::xBare, "the bare setters",
         6.0);
    goal("catalogue build", "Catalogue", &Result::xFloor, "the floor", 1.2);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    auto add = [](const std::string& name, auto function, auto... arguments) {
        benchmark::RegisterBenchmark(name.c_str(), function, name, arguments...);
    };
    add("Catalogue", catalogue);
    add("AllAttributes/keeping", attributes, true, std::optional<enumDDObjectKind>());
    add("AllAttributes/recalculating", attributes, false, std::optional<enumDDObjectKind>());
    add("AllValidities", validities);
    const std::pair<enumDDObjectKind, const char*> kinds[] = {
        {ddkVariable, "variable"},     {ddkCommand, "command"}, {ddkMenu, "menu"}, {ddkMethod, "method"},
        {ddkCollection, "collection"}, {ddkBlock, "block"},     {ddkUnit, "unit"}, {ddkRefresh, "refresh"},
    };
    for (const bool keep : {true, false})
        for (const auto& [kind, word] : kinds)
            add(std::string("Attributes/") + word + (keep ? "/keeping" : "/recalculating"), attributes, keep,
                std::optional<enumDDObjectKind>(kind));
    try {
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "module_bench: %s\n", e.what());
        return 1;
    }
    summary();
    benchmark::Shutdown();
    return 0;
}
