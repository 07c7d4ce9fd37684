// Micro-benchmarks of the formatting work: one whole event file formatted in
// memory, one formatted write of a line, one list-directed read of an answer.
#include <benchmark/benchmark.h>

#include "format/io_error.h"
#include "format/list_directed.h"
#include "format/pattern.h"
#include "serigen/event_writer.h"
#include "serigen/worked_example.h"

namespace serigen {
namespace {

void FormatEventFile(benchmark::State& state) {
  const test::WorkedExample x = test::worked_example();
  std::string out;
  for (auto _ : state) {
    out.clear();
    format_event(out, x.answers, x.event, x.files);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * out.size()));
}
BENCHMARK(FormatEventFile);

constexpr Pattern kDesignatedFile{"(A30,A6,A8,'_',A{n},A8)"};

void FormattedWriteOfALine(benchmark::State& state) {
  const Fixed<30> keyword(":griddedmodelfile");
  const Fixed<8> name("20100615"), designation("CaPA");

  std::string out;
  for (auto _ : state) {
    out.clear();
    write_checked<kDesignatedFile>(out, "\r\n", FieldWidth{4.0f}, keyword, "model\\", name, designation, "_pcp.r2c");
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(FormattedWriteOfALine);

void ListDirectedReadOfAnAnswer(benchmark::State& state) {
  const std::string answer = "  12, 1\n";
  std::int32_t value = 0;
  for (auto _ : state) {
    LineReader source = LineReader::of_text(answer, kUnitConsoleIn, "console input");
    read_list(source, {value});
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(ListDirectedReadOfAnAnswer);

}  // namespace
}  // namespace serigen
