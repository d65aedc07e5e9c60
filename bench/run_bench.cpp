// A whole Compute run as traverse-replay makes it: every answer read from a
// script, every prompt, echo and result written to a transcript that is then
// thrown away.

#include <benchmark/benchmark.h>

#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

#include "generated_traverse.h"
#include "per_side.h"
#include "scripted_run.h"

namespace traverse::bench {
namespace {

// Reads a string in place: a run of 10^6 sides has a script of some 30 MB,
// which a copy per iteration would add to the measurement.
class StringViewBuffer : public std::streambuf {
 public:
  explicit StringViewBuffer(const std::string& text) {
    char* begin = const_cast<char*>(text.data());  // never written: get area only
    setg(begin, begin, begin + text.size());
  }
};

// Accepts and forgets everything, in blocks, so that the transcript costs its
// formatting but no storage.
class DiscardingBuffer : public std::streambuf {
 public:
  DiscardingBuffer() { setp(block_, block_ + sizeof block_); }

 protected:
  int_type overflow(int_type c) override {
    setp(block_, block_ + sizeof block_);
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }

 private:
  char block_[4096];
};

void BM_ScriptedRun(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  const std::string script = AnswerScript(n);
  DiscardingBuffer discard;
  std::ostream transcript(&discard);

  for (auto _ : state) {
    StringViewBuffer source(script);
    std::istream answers(&source);
    if (Replay(answers, transcript) != ReplayEnd::kEnd) {
      state.SkipWithError("the generated run did not reach its last result");
      break;
    }
  }
  CountSides(state, n);
}
BENCHMARK(BM_ScriptedRun)->Apply(SideCounts);

}  // namespace
}  // namespace traverse::bench
