// Whole generation runs through fmakejsx: the list read from a file, the
// script built, converted and written as "makebookmark.jsx".
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "bench/bench_window.h"
#include "bench/bookmark_list_maker.h"
#include "bench/scratch_folder.h"
#include "script_generation/generation.h"

namespace {

constexpr char kDone[] = "JSX作成完了";

ScratchFolder& Folder() {
  static ScratchFolder folder;
  return folder;
}

// The list of `rows` rows, made the first time a case asks for it.
std::string ListFor(int64_t rows) {
  static std::set<int64_t> made;
  std::string path = Folder().Path() + "/list-" + std::to_string(rows) + ".txt";
  if (made.insert(rows).second) WriteBookmarkList(path, rows);
  return path;
}

int64_t FileSize(const char* path) {
  struct stat info;
  return stat(path, &info) == 0 ? static_cast<int64_t>(info.st_size) : -1;
}

void BM_Generation(benchmark::State& state) {
  const int64_t rows = state.range(0);
  BenchWindow window(ListFor(rows));
  for (auto _ : state) {
    yorvane::fmakejsx(window);
  }
  if (window.Status() != kDone) {
    state.SkipWithError(("the run ended with " + window.Status()).c_str());
    return;
  }
  const int64_t scriptBytes = FileSize("makebookmark.jsx");
  state.SetItemsProcessed(state.iterations() * rows);
  state.SetBytesProcessed(state.iterations() * scriptBytes);
  state.counters["script_bytes"] = static_cast<double>(scriptBytes);
}

BENCHMARK(BM_Generation)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // fmakejsx writes its script in the working directory.
  if (chdir(Folder().Path().c_str()) != 0) {
    std::perror(Folder().Path().c_str());
    return 2;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
