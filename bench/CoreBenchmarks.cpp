// Benchmarks of loading, saving and page generation on synthetic projects.
// Every measurement runs next to a baseline in the same process, and the
// result is the ratio between the two, so that the figures mean the same on a
// fast and on a slow machine. At the end a table goes to standard output
// (progress goes to standard error).

#include <benchmark/benchmark.h>
#include <stdlib.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "SyntheticProject.h"
#include "codegen/PageFile.h"
#include "codegen/uCodeExport.h"
#include "model/ProjectFile.h"
#include "shell/QZPlatform.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSizes[] = {100, 1000, 10000};
constexpr int kRepetitions = 3;
constexpr double kLoadSaveTarget = 2.0;          // at most twice the bare pugixml time
constexpr double kGenerationScaleTarget = 11.0;  // 10,000 fields at most 11x 1,000 fields

fs::path WorkFolder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "quazel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror("quazel_bench: mkdtemp");
      std::exit(1);
    }
    return fs::path(pattern);
  }();
  return folder;
}

// Everything one size needs, made once.
struct TInputs {
  TProject Standard;
  TProject Bootstrap;
  fs::path ProjectFile;  // the standard project as saved
  std::string StandardPage;
  std::string BootstrapPage;
};

TExportOptions FixedOptions() {
  TExportOptions options;
  options.FormId = 1234567;
  return options;
}

TInputs& Inputs(int size) {
  static std::map<int, std::unique_ptr<TInputs>> cache;
  auto& slot = cache[size];
  if (!slot) {
    slot = std::make_unique<TInputs>();
    slot->Standard = MakeSyntheticProject(size, 0);
    slot->Bootstrap = MakeSyntheticProject(size, 1);
    slot->ProjectFile = WorkFolder() / ("project-" + std::to_string(size) + ".qzf");
    const LoadResult saved = SaveProject(slot->ProjectFile.string(), slot->Standard);
    if (!saved.Ok) {
      std::cerr << "quazel_bench: cannot save the project: " << saved.Message << "\n";
      std::exit(1);
    }
    slot->StandardPage = TExportFactory::BuildCode(0, slot->Standard, FixedOptions());
    slot->BootstrapPage = TExportFactory::BuildCode(1, slot->Bootstrap, FixedOptions());
  }
  return *slot;
}

// --- the measured operations and their baselines ---

void BM_Load(benchmark::State& state, int size) {
  const TInputs& in = Inputs(size);
  const TLoadEnv env;
  for (auto _ : state) {
    TProject project;
    const LoadResult result = LoadProject(in.ProjectFile.string(), project, env);
    if (!result.Ok) state.SkipWithError(result.Message.c_str());
    benchmark::DoNotOptimize(project);
  }
}

void BM_LoadBaseline(benchmark::State& state, int size) {
  const TInputs& in = Inputs(size);
  for (auto _ : state) {
    pugi::xml_document doc;
    if (!doc.load_file(in.ProjectFile.c_str())) state.SkipWithError("pugixml cannot parse");
    benchmark::DoNotOptimize(doc);
  }
}

void BM_Save(benchmark::State& state, int size) {
  const TInputs& in = Inputs(size);
  const std::string target = (WorkFolder() / "save.qzf").string();
  for (auto _ : state) {
    const LoadResult result = SaveProject(target, in.Standard);
    if (!result.Ok) state.SkipWithError(result.Message.c_str());
  }
}

void BM_SaveBaseline(benchmark::State& state, int size) {
  const TInputs& in = Inputs(size);
  pugi::xml_document doc;
  doc.load_file(in.ProjectFile.c_str());
  const std::string target = (WorkFolder() / "save-baseline.qzf").string();
  for (auto _ : state)
    if (!doc.save_file(target.c_str(), "  ")) state.SkipWithError("pugixml cannot save");
}

void BM_Generate(benchmark::State& state, int size, int layout) {
  const TInputs& in = Inputs(size);
  const TProject& project = layout == 0 ? in.Standard : in.Bootstrap;
  const TExportOptions options = FixedOptions();
  for (auto _ : state) {
    std::string page = TExportFactory::BuildCode(layout, project, options);
    benchmark::DoNotOptimize(page);
  }
}

// Copying the page's bytes once: the least any generation has to do.
void BM_CopyPage(benchmark::State& state, int size, int layout) {
  const TInputs& in = Inputs(size);
  const std::string& page = layout == 0 ? in.StandardPage : in.BootstrapPage;
  for (auto _ : state) {
    std::string copy = page;
    benchmark::DoNotOptimize(copy);
  }
}

void BM_WritePage(benchmark::State& state, int size) {
  const TInputs& in = Inputs(size);
  const std::string target = (WorkFolder() / "page.htm").string();
  for (auto _ : state) {
    const std::string error = WritePageFile(target, in.StandardPage, "iso-8859-1");
    if (!error.empty()) state.SkipWithError(error.c_str());
  }
}

// --- the table ---

// What a row compares: a measured benchmark, its baseline, and whether its
// target is a ratio to the baseline or the growth from 1,000 to 10,000 fields.
struct TRowSpec {
  std::string Label;
  std::string Measured;
  std::string Baseline;
  bool Scaling;
};

const std::vector<TRowSpec>& RowSpecs() {
  static const std::vector<TRowSpec> specs = {
      {"load", "load", "load_pugixml_parse", false},
      {"save", "save", "save_pugixml_save", false},
      {"generate standard", "generate_standard", "copy_page_standard", true},
      {"generate bootstrap", "generate_bootstrap", "copy_page_bootstrap", true},
      {"WritePageFile iso-8859-1", "write_page_iso8859_1", "copy_page_standard", true},
  };
  return specs;
}

std::string Name(const std::string& base, int size) {
  return base + "/" + std::to_string(size);
}

// Fastest repetition of every benchmark (seconds per iteration): the least
// disturbed by whatever else the machine does.
class TTableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
      const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
      const std::string name = run.run_name.function_name;
      auto [it, added] = best_.emplace(name, seconds);
      if (!added) it->second = std::min(it->second, seconds);
    }
  }

  // Prints the table; returns false when a target is not met.
  bool PrintTable(std::ostream& out) const {
    bool allMet = true;
    out << "| benchmark | fields | time | baseline time | ratio | target | met |\n"
        << "|---|---:|---:|---:|---:|---|---|\n";
    for (const TRowSpec& spec : RowSpecs()) {
      for (int size : kSizes) {
        const double* t = Find(Name(spec.Measured, size));
        const double* b = Find(Name(spec.Baseline, size));
        if (t == nullptr || b == nullptr) continue;
        std::string target = "-";
        std::string met = "-";
        if (!spec.Scaling) {
          target = "ratio <= " + Fixed(kLoadSaveTarget, 0);
          const bool ok = *t / *b <= kLoadSaveTarget;
          met = ok ? "met" : "NOT MET";
          allMet = allMet && ok;
        } else if (size == 10000) {
          if (const double* t1000 = Find(Name(spec.Measured, 1000))) {
            const double growth = *t / *t1000;
            target = "time(10,000) <= 11 x time(1,000): " + Fixed(growth, 1) + " x";
            const bool ok = growth <= kGenerationScaleTarget;
            met = ok ? "met" : "NOT MET";
            allMet = allMet && ok;
          }
        }
        out << "| " << spec.Label << " | " << size << " | " << Duration(*t) << " | " << Duration(*b)
            << " | " << Fixed(*t / *b, 2) << " | " << target << " | " << met << " |\n";
      }
    }
    return allMet;
  }

 private:
  std::map<std::string, double> best_;

  const double* Find(const std::string& name) const {
    const auto it = best_.find(name);
    return it == best_.end() ? nullptr : &it->second;
  }

  static std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
  }

  static std::string Duration(double seconds) {
    if (seconds >= 1.0) return Fixed(seconds, 2) + " s";
    if (seconds >= 1e-3) return Fixed(seconds * 1e3, 2) + " ms";
    return Fixed(seconds * 1e6, 1) + " us";
  }
};

void RegisterAll() {
  auto add = [](const std::string& name, auto&& function) {
    benchmark::RegisterBenchmark(name.c_str(), function)
        ->Repetitions(kRepetitions)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
  };
  for (int size : kSizes) {
    // Each measurement right after its baseline, so that both see the same
    // machine.
    add(Name("load_pugixml_parse", size),
        [size](benchmark::State& s) { BM_LoadBaseline(s, size); });
    add(Name("load", size), [size](benchmark::State& s) { BM_Load(s, size); });
    add(Name("save_pugixml_save", size), [size](benchmark::State& s) { BM_SaveBaseline(s, size); });
    add(Name("save", size), [size](benchmark::State& s) { BM_Save(s, size); });
    add(Name("copy_page_standard", size), [size](benchmark::State& s) { BM_CopyPage(s, size, 0); });
    add(Name("generate_standard", size), [size](benchmark::State& s) { BM_Generate(s, size, 0); });
    add(Name("write_page_iso8859_1", size), [size](benchmark::State& s) { BM_WritePage(s, size); });
    add(Name("copy_page_bootstrap", size),
        [size](benchmark::State& s) { BM_CopyPage(s, size, 1); });
    add(Name("generate_bootstrap", size), [size](benchmark::State& s) { BM_Generate(s, size, 1); });
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The installation folder is this program's folder, where the build copies
  // data/ (templates, lang.ini, snippets).
#ifdef __GLIBC__
  // Fixed allocator thresholds. glibc moves them as large blocks come and go,
  // so whether a block is mapped afresh (and paid for in page faults) would
  // depend on what ran before, and a measurement and its baseline would not
  // meet the same allocator.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 64;
  RegisterAll();

  TTableReporter reporter;
  reporter.SetOutputStream(&std::cerr);
  reporter.SetErrorStream(&std::cerr);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const bool met = reporter.PrintTable(std::cout);
  std::error_code ignored;
  fs::remove_all(WorkFolder(), ignored);
  return met ? 0 : 1;
}
