// The check of the card resource library at open: every entry's checksum over the whole
// built file (about 3 MB) must take a few milliseconds, since every start pays for it.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/core/paths.h"
#include "platform/qt/resource_bundle_check.h"

namespace {

void BM_CheckBuiltLibrary(benchmark::State& state) {
    std::string library;
    const auto path = platform::PathResolver::ExecutableFolder().parent_path() / "program" / "QND.RGF";
    if (!platform::ReadFile(path, library)) {
        state.SkipWithError("the build did not make program/QND.RGF");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(platform::ResourceBundleProblem(library));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(library.size()));
}

}  // namespace

BENCHMARK(BM_CheckBuiltLibrary)->Unit(benchmark::kMillisecond);
