// Stripping and sorting the signature texts of one large class, javax.swing.JTable (466
// public constructors and methods on JDK 17), as the member model does at every rebuild.
// Goal: the whole strip and sort well under a millisecond.
//
// usage: signatures_bench [--benchmark_...]

#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "signatures/SortVector.h"
#include "signatures/StringCompare.h"
#include "signatures/StripQualifiers.h"

namespace {

const std::vector<std::string>& jtableSignatures()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> lines;
        std::ifstream in(QV_JTABLE_SIGNATURES);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        if (lines.empty()) {
            std::cerr << "signatures_bench: no texts in " << QV_JTABLE_SIGNATURES << '\n';
            std::exit(1);
        }
        return lines;
    }();
    return texts;
}

qv::SortVector sortedSignatures(const std::vector<std::string>& texts)
{
    qv::SortVector sorted(std::make_unique<qv::StringCompare>());
    for (const std::string& t : texts)
        sorted.add(t);
    sorted.sort();
    return sorted;
}

void StripAndSortOneClass(benchmark::State& state)
{
    const std::vector<std::string>& texts = jtableSignatures();
    for (auto _ : state) {
        const qv::SortVector sorted = sortedSignatures(texts);
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            std::string stripped = qv::StripQualifiers::strip(sorted.elementAt(i));
            std::string qualifier = qv::StripQualifiers::getQualifier();
            benchmark::DoNotOptimize(stripped);
            benchmark::DoNotOptimize(qualifier);
        }
    }
    state.counters["texts"] = static_cast<double>(texts.size());
}
BENCHMARK(StripAndSortOneClass)->Unit(benchmark::kMicrosecond);

void SortOneClass(benchmark::State& state)
{
    const std::vector<std::string>& texts = jtableSignatures();
    for (auto _ : state) {
        const qv::SortVector sorted = sortedSignatures(texts);
        benchmark::DoNotOptimize(sorted.elementAt(0));
    }
}
BENCHMARK(SortOneClass)->Unit(benchmark::kMicrosecond);

void StripOneClass(benchmark::State& state)
{
    const std::vector<std::string>& texts = jtableSignatures();
    for (auto _ : state) {
        for (const std::string& t : texts) {
            std::string stripped = qv::StripQualifiers::strip(t);
            benchmark::DoNotOptimize(stripped);
        }
    }
}
BENCHMARK(StripOneClass)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
