// Loading the largest layout an INI file may hold: 256 bars with 4,096 links in all, and
// one bar of 4,096 links, each link naming one of 4,096 items. A start must not wait on it
// (the target is well under 50 ms).
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

namespace {

constexpr int kItems = bars::kMaxStoredLinks;

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "corvanet_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
    }
}

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

// Writes a layout of the given shape and loads it again and again into a second form.
void LoadLayout(benchmark::State& state, int barCount, int linksPerBar) {
    EnsureApplication();
    QTemporaryDir folder;
    const std::string file = folder.filePath("layout.ini").toStdString();
    {
        LayoutForm source;
        int next = 0;
        for (int i = 0; i < barCount; ++i) {
            bars::TcbBar& bar = source.manager->Bars().Add();
            bar.SetCaption("Bar " + std::to_string(i));
            for (int j = 0; j < linksPerBar; ++j)
                bar.ItemLinks().Add().SetItem(source.manager->Items(next++ % kItems));
        }
        if (!bars::SaveToIniFile(*source.manager, file)) {
            state.SkipWithError("the layout could not be written");
            return;
        }
    }
    LayoutForm target;
    for (auto _ : state) {
        bars::LoadFromIniFile(*target.manager, file);
        benchmark::DoNotOptimize(target.manager->Bars().Count());
    }
    if (target.manager->Bars().Count() != barCount ||
        target.manager->Bars().Items(barCount - 1)->ItemLinks().Count() != linksPerBar)
        state.SkipWithError("the layout did not load whole");
}

void BM_LayoutLoad256BarsOf16Links(benchmark::State& state) {
    LoadLayout(state, bars::kMaxStoredBars, bars::kMaxStoredLinks / bars::kMaxStoredBars);
}
BENCHMARK(BM_LayoutLoad256BarsOf16Links)->Unit(benchmark::kMillisecond);

void BM_LayoutLoadOneBarOf4096Links(benchmark::State& state) { LoadLayout(state, 1, bars::kMaxStoredLinks); }
BENCHMARK(BM_LayoutLoadOneBarOf4096Links)->Unit(benchmark::kMillisecond);

}  // namespace
