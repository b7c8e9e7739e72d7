// What a click on a poem costs: LoadPoem (one record, five memos) and the
// poem page, built in memory and written to "poem.htm". 313 poems with memo
// texts of typical lengths, in a private working directory.
// Run: build/bench/versilo_catalogue_bench
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "catalogue/AnthologyTables.h"
#include "catalogue/PoemCatalogue.h"
#include "catalogue/PoemPage.h"
#include "storage/MemoWriter.h"
#include "storage/TableWriter.h"

namespace {

using namespace versilo;

// Writes the poem files once and makes their folder the working directory.
void MakeAnthology() {
  static const bool made = [] {
    std::string dir = (std::filesystem::temp_directory_path() / "versilo-catalogue-bench-XXXXXX").string();
    if (!mkdtemp(dir.data())) std::abort();
    static std::string folder = dir;
    std::atexit([] {
      std::error_code ec;
      std::filesystem::current_path("/", ec);
      std::filesystem::remove_all(folder, ec);
    });
    std::filesystem::current_path(dir);
    TableWriter table(anthology_tables::PoemTableFields(), true);
    MemoWriter memo(true);
    // Lines of GBK text ending in CR LF, as the anthology stores them.
    auto lines = [](int count, int width, char lead) {
      std::string line;
      for (int k = 0; k < width; ++k) line += std::string{lead, '\xA1'};
      std::string text;
      for (int k = 0; k < count; ++k) text += line + "\r\n";
      return text;
    };
    const std::string poem = lines(8, 6, '\xD4'), notes = lines(10, 30, '\xC3'), trans = lines(8, 10, '\xB5'),
                      comment = lines(15, 30, '\xC6'), english(600, 'e');
    for (int n = 1; n <= 313; ++n) {
      auto r = table.NewRecord();
      table.SetText(r, 0, std::to_string(n));
      table.SetText(r, 4, "\xC0\xEE\xB0\xD7");
      table.SetText(r, 5, std::string(12, '\xCA'));
      table.SetMemo(r, 6, memo.Add(poem));
      table.SetMemo(r, 7, memo.Add(notes));
      table.SetMemo(r, 8, memo.Add(trans));
      table.SetMemo(r, 9, memo.Add(comment));
      table.SetMemo(r, 10, memo.Add(english));
      table.Add(r);
    }
    std::ofstream(PoemCatalogue::kPoemTable, std::ios::binary) << table.Bytes();
    std::ofstream(PoemCatalogue::kPoemMemo, std::ios::binary) << memo.Bytes();
    return true;
  }();
  benchmark::DoNotOptimize(made);
}

void BM_LoadPoem(benchmark::State& state) {
  MakeAnthology();
  PoemCatalogue catalogue;
  catalogue.OpenAndListPoems(nullptr);
  int n = 0;
  for (auto _ : state) {
    n = n % 313 + 1;
    benchmark::DoNotOptimize(catalogue.LoadPoem(n));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LoadPoem)->Unit(benchmark::kMicrosecond);

void BM_LoadPoemAndBuildPage(benchmark::State& state) {
  MakeAnthology();
  PoemCatalogue catalogue;
  catalogue.OpenAndListPoems(nullptr);
  int n = 0;
  for (auto _ : state) {
    n = n % 313 + 1;
    catalogue.LoadPoem(n);
    benchmark::DoNotOptimize(PoemPageBytes(catalogue));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LoadPoemAndBuildPage)->Unit(benchmark::kMicrosecond);

// The whole of a click: load, build, write the file and rename it into place.
void BM_MakePoemPage(benchmark::State& state) {
  MakeAnthology();
  PoemCatalogue catalogue;
  catalogue.OpenAndListPoems(nullptr);
  int n = 0;
  for (auto _ : state) {
    n = n % 313 + 1;
    if (!MakePoemPage(catalogue, kPoemPageFile, n)) state.SkipWithError("MakePoemPage failed");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakePoemPage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
