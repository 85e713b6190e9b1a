// Loading the largest layout a store may hold: 256 bars with 4,096 links in all, and one
// bar of 4,096 links, each link naming one of 4,096 items, from an INI file and from the
// registry store. A start must not wait on it (the target is well under 50 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <string>

#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/store/layout_store.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bench/bench_application.h"

namespace {

constexpr int kItems = bars::kMaxStoredLinks;

// A form whose manager holds the items every stored link names.
struct LayoutForm {
    LayoutForm() : form(std::make_unique<QWidget>()) {
        form->setObjectName("MainForm");
        manager = new bars::TcbBarManager(form.get());
        manager->SetName("Bars");
        for (int i = 0; i < kItems; ++i) manager->CreateItem<bars::TcbBarButton>("btnCommand" + std::to_string(i));
    }
    std::unique_ptr<QWidget> form;
    bars::TcbBarManager* manager = nullptr;
};

// Where a layout goes: an INI file, or a key of the registry store in a file of its own.
struct Store {
    bool (*save)(bars::TcbBarManager&, const std::string&);
    void (*load)(bars::TcbBarManager&, const std::string&);
    bool iniFile;
};
constexpr Store kIniFile{bars::SaveToIniFile, bars::LoadFromIniFile, true};
constexpr Store kRegistry{bars::SaveToRegistry, bars::LoadFromRegistry, false};

// Writes a layout of the given shape and loads it again and again into a second form.
void LoadLayout(benchmark::State& state, const Store& store, int barCount, int linksPerBar) {
    bench::EnsureApplication();
    QTemporaryDir folder;
    bars::SetLayoutRegistryFile(folder.filePath("registry.store").toStdString());
    const std::string file =
        store.iniFile ? folder.filePath("layout.ini").toStdString() : std::string("Software\\Corvanet");
    {
        LayoutForm source;
        int next = 0;
        for (int i = 0; i < barCount; ++i) {
            bars::TcbBar& bar = source.manager->Bars().Add();
            bar.SetCaption("Bar " + std::to_string(i));
            for (int j = 0; j < linksPerBar; ++j)
                bar.ItemLinks().Add().SetItem(source.manager->Items(next++ % kItems));
        }
        if (!store.save(*source.manager, file)) {
            state.SkipWithError("the layout could not be written");
            return;
        }
    }
    LayoutForm target;
    for (auto _ : state) {
        store.load(*target.manager, file);
        benchmark::DoNotOptimize(target.manager->Bars().Count());
    }
    if (target.manager->Bars().Count() != barCount ||
        target.manager->Bars().Items(barCount - 1)->ItemLinks().Count() != linksPerBar)
        state.SkipWithError("the layout did not load whole");
    bars::SetLayoutRegistryFile({});
}

constexpr int kLinksPerBar = bars::kMaxStoredLinks / bars::kMaxStoredBars;

void BM_LayoutLoad256BarsOf16Links(benchmark::State& state) {
    LoadLayout(state, kIniFile, bars::kMaxStoredBars, kLinksPerBar);
}
BENCHMARK(BM_LayoutLoad256BarsOf16Links)->Unit(benchmark::kMillisecond);

void BM_LayoutLoadOneBarOf4096Links(benchmark::State& state) { LoadLayout(state, kIniFile, 1, bars::kMaxStoredLinks); }
BENCHMARK(BM_LayoutLoadOneBarOf4096Links)->Unit(benchmark::kMillisecond);

void BM_RegistryLayoutLoad256BarsOf16Links(benchmark::State& state) {
    LoadLayout(state, kRegistry, bars::kMaxStoredBars, kLinksPerBar);
}
BENCHMARK(BM_RegistryLayoutLoad256BarsOf16Links)->Unit(benchmark::kMillisecond);

void BM_RegistryLayoutLoadOneBarOf4096Links(benchmark::State& state) {
    LoadLayout(state, kRegistry, 1, bars::kMaxStoredLinks);
}
BENCHMARK(BM_RegistryLayoutLoadOneBarOf4096Links)->Unit(benchmark::kMillisecond);

}  // namespace
