// The peak memory of one generation run, beside the size of the script it
// writes. The list is made by a separate invocation, so that making it adds
// nothing to the peak of the run:
//   bench_peak_memory make <rows> <folder>   writes <folder>/list.txt
//   bench_peak_memory run <folder>           runs fmakejsx on it in <folder>
// "run" prints key=value lines: script_bytes, peak_rss_kb (the whole process's
// peak, ru_maxrss), baseline_rss_kb (the peak before the run) and
// run_growth_kb (their difference).
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bench_window.h"
#include "bench/bookmark_list_maker.h"
#include "script_generation/generation.h"

namespace {

constexpr char kListName[] = "list.txt";

long PeakResidentKilobytes() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

int Usage() {
  std::fprintf(stderr, "usage: bench_peak_memory make <rows> <folder> | run <folder>\n");
  return 1;
}

int Run(const std::string& folder) {
  if (chdir(folder.c_str()) != 0) {
    std::perror(folder.c_str());
    return 2;
  }
  BenchWindow window(kListName);
  const long baseline = PeakResidentKilobytes();
  yorvane::fmakejsx(window);
  const long peak = PeakResidentKilobytes();
  if (window.Status() != "JSX作成完了") {
    std::fprintf(stderr, "the run ended with %s\n", window.Status().c_str());
    return 3;
  }
  struct stat script;
  if (stat("makebookmark.jsx", &script) != 0) {
    std::perror("makebookmark.jsx");
    return 3;
  }
  std::printf("script_bytes=%lld\n", static_cast<long long>(script.st_size));
  std::printf("peak_rss_kb=%ld\n", peak);
  std::printf("baseline_rss_kb=%ld\n", baseline);
  std::printf("run_growth_kb=%ld\n", peak - baseline);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "make") {
    const uint64_t bytes = WriteBookmarkList(std::string(argv[3]) + "/" + kListName,
                                             std::strtoll(argv[2], nullptr, 10));
    std::printf("list_bytes=%llu\n", static_cast<unsigned long long>(bytes));
    return 0;
  }
  if (argc == 3 && std::string(argv[1]) == "run") return Run(argv[2]);
  return Usage();
}
