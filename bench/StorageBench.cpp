// Loads every record, and every memo, of a 313-poem table and of a
// 50,000-record table. Run: build/bench/versilo_bench
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "catalogue/AnthologyTables.h"
#include "storage/DBFObj.h"
#include "storage/FPTOBJ.h"
#include "storage/MemoWriter.h"
#include "storage/TableWriter.h"

namespace {

using namespace versilo;

// Writes a poem-like table: eleven fields, five memos per record, memo texts
// of typical lengths.
std::string MakeTables(int records) {
  static std::string dir = [] {
    std::string t = (std::filesystem::temp_directory_path() / "versilo-bench-XXXXXX").string();
    if (!mkdtemp(t.data())) std::abort();
    return t;
  }();
  const std::string base = dir + "/t" + std::to_string(records);
  if (std::filesystem::exists(base + ".man")) return base;
  TableWriter table(anthology_tables::PoemTableFields(), true);
  MemoWriter memo(true);
  const std::string poem(120, '\xD4'), notes(600, '\xC3'), trans(300, '\xB5'), comment(900, '\xC6'),
      english(500, 'e');
  for (int n = 1; n <= records; ++n) {
    auto r = table.NewRecord();
    table.SetText(r, 0, std::to_string(n % 1000));
    table.SetText(r, 5, std::string(24, '\xCA'));
    const bool withMemos = records <= 1000;
    table.SetMemo(r, 6, withMemos ? memo.Add(poem) : 0);
    table.SetMemo(r, 7, withMemos ? memo.Add(notes) : 0);
    table.SetMemo(r, 8, withMemos ? memo.Add(trans) : 0);
    table.SetMemo(r, 9, withMemos ? memo.Add(comment) : 0);
    table.SetMemo(r, 10, withMemos ? memo.Add(english) : 0);
    table.Add(r);
  }
  std::ofstream(base + ".man", std::ios::binary) << table.Bytes();
  std::ofstream(base + ".dat", std::ios::binary) << memo.Bytes();
  return base;
}

void BM_Load313PoemsWithMemos(benchmark::State& state) {
  const std::string base = MakeTables(313);
  CDBFObj dbf;
  CFPTOBJ fpt;
  dbf.Open((base + ".man").c_str(), 5);
  fpt.Open((base + ".dat").c_str(), 5);
  size_t bytes = 0;
  for (auto _ : state) {
    for (int n = 1; n <= dbf.m_lActRecCount; ++n) {
      dbf.ReadRecord(n);
      for (int f = 6; f <= 10; ++f)
        if (fpt.ReadMemo(dbf.m_lMemoBlock[f])) bytes += fpt.m_strMemo.size();
    }
  }
  benchmark::DoNotOptimize(bytes);
  state.SetItemsProcessed(state.iterations() * 313);
}
BENCHMARK(BM_Load313PoemsWithMemos)->Unit(benchmark::kMicrosecond);

void BM_Load50000Records(benchmark::State& state) {
  const std::string base = MakeTables(50000);
  CDBFObj dbf;
  dbf.Open((base + ".man").c_str(), 5);
  for (auto _ : state) {
    for (int n = 1; n <= dbf.m_lActRecCount; ++n) dbf.ReadRecord(n);
    benchmark::DoNotOptimize(dbf.m_strField[5]);
  }
  state.SetItemsProcessed(state.iterations() * 50000);
}
BENCHMARK(BM_Load50000Records)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
