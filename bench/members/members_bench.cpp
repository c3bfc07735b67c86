// The member model of two classes of the installed JDK, javax.swing.JTable (large: 466
// public constructors and methods on JDK 17) and java.lang.String, from a warm class
// library: the rebuild alone (filter, sort, strip, group, entries, relabel, initial group)
// over the signature texts, and the whole Search: look-up, listing and rebuild.
// Goal: the rebuild under 1 ms.
//
// usage: members_bench [--benchmark_...]     (the JDK is found as quorvane-cli finds it)

#include <benchmark/benchmark.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "members/member_model.h"
#include "platform/ClassLibrary.h"

namespace {

qv::ClassLibrary& library()
{
    static const std::shared_ptr<qv::ClassLibrary> jdk = qv::openDefaultClassLibrary();
    return *jdk;
}

// The signature texts as the look-up records them: constructors first, then methods.
std::vector<std::string> signatureTexts(const std::string& className)
{
    const auto found = library().forName(className);
    std::vector<std::string> texts;
    for (const auto& member : found->getConstructors())
        texts.push_back(member.toString());
    for (const auto& member : found->getMethods())
        texts.push_back(member.toString());
    return texts;
}

void checkedModel(benchmark::State& state, const qv::MemberModel& model)
{
    if (model.status != qv::RebuildStatus::Complete || model.labels.empty())
        state.SkipWithError("the model was not built");
}

void Rebuild(benchmark::State& state, const std::string& className)
{
    const std::vector<std::string> texts = signatureTexts(className);
    for (auto _ : state) {
        qv::MemberModel model = qv::buildMemberModel(texts, "", className);
        benchmark::DoNotOptimize(model);
    }
    checkedModel(state, qv::buildMemberModel(texts, "", className));
    state.counters["members"] = static_cast<double>(texts.size());
}
BENCHMARK_CAPTURE(Rebuild, JTable, std::string("javax.swing.JTable"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Rebuild, String, std::string("java.lang.String"))->Unit(benchmark::kMicrosecond);

// The window's way: the tables allocated once, the counters cleared, the rows refilled.
void RebuildIntoTables(benchmark::State& state, const std::string& className)
{
    const std::vector<std::string> texts = signatureTexts(className);
    auto k = std::make_unique<qv::GroupCounters>();
    auto methods = std::make_unique<qv::EntryRows>();
    auto classes = std::make_unique<qv::GroupLabels>();
    std::string sbq;
    const qv::MemberTables tables{*k, *methods, *classes, sbq};
    for (auto _ : state) {
        k->fill(0);
        const qv::RebuildOutcome outcome = qv::rebuildMemberModel(tables, texts, "", className);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK_CAPTURE(RebuildIntoTables, JTable, std::string("javax.swing.JTable"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RebuildIntoTables, String, std::string("java.lang.String"))->Unit(benchmark::kMicrosecond);

// Look-up, listing and rebuild together, as a Search of the class on a warm library.
void LookUpListAndRebuild(benchmark::State& state, const std::string& className)
{
    signatureTexts(className);  // warm: the library has read the class and its supertypes once
    for (auto _ : state) {
        qv::MemberModel model = qv::buildMemberModel(signatureTexts(className), "", className);
        benchmark::DoNotOptimize(model);
    }
}
BENCHMARK_CAPTURE(LookUpListAndRebuild, JTable, std::string("javax.swing.JTable"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LookUpListAndRebuild, String, std::string("java.lang.String"))->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
