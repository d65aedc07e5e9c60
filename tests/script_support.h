#pragma once
// Scripted runs for the tests: answers in, transcript lines out.

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "scripted_run.h"

namespace traverse::testing {

struct ScriptRun {
  std::vector<std::string> lines;  // the transcript, one event a line
  ReplayEnd end = ReplayEnd::kEnd;

  // Messages of the prompts in order.
  std::vector<std::string> Prompts() const {
    std::vector<std::string> out;
    for (const std::string& l : lines) {
      if (l.rfind("prompt\t", 0) == 0) out.push_back(l.substr(7));
    }
    return out;
  }
  // The last text written to each field ("Text13" -> "  25秒").
  std::map<std::string, std::string> Fields() const {
    std::map<std::string, std::string> out;
    for (const std::string& l : lines) {
      if (l.rfind("field\t", 0) != 0) continue;
      const std::size_t tab = l.find('\t', 6);
      out[l.substr(6, tab - 6)] = l.substr(tab + 1);
    }
    return out;
  }
  std::string Failure() const {
    for (const std::string& l : lines) {
      if (l.rfind("failure\t", 0) == 0) return l.substr(8);
    }
    return {};
  }
};

inline ScriptRun RunScript(const std::vector<std::string>& answers) {
  std::string script;
  for (const std::string& a : answers) script += a + "\n";
  std::istringstream in(script);
  std::ostringstream out;
  ScriptRun run;
  run.end = Replay(in, out);
  std::istringstream transcript(out.str());
  for (std::string line; std::getline(transcript, line);) run.lines.push_back(line);
  return run;
}

// Answers for a whole traverse with every value confirmed at once (the empty
// answer after each value) and every listing prompt answered with OK.
struct TraverseAnswers {
  std::string n = "3";
  std::string xa = "1000", ya = "2000", xb = "258.486", yb = "1644.722";
  std::string ta = "45.3000", tb = "186.4530";
  std::vector<std::string> names = {"A", "P1", "P2", "B"};
  std::vector<std::string> angles = {"150.2000", "200.1015", "170.4530", "160.0010"};
  std::vector<std::string> sides = {"300", "250.5", "280.25"};

  std::vector<std::string> Answers() const {
    std::vector<std::string> a = {n};
    for (const std::string* v : {&xa, &ya, &xb, &yb, &ta, &tb}) {
      a.push_back(*v);
      a.push_back("");
    }
    for (std::size_t k = 0; k < sides.size(); ++k) {
      a.insert(a.end(), {names[k], angles[k], "", sides[k], ""});
    }
    a.insert(a.end(), {names.back(), angles.back(), ""});
    for (std::size_t k = 0; k < names.size(); ++k) a.push_back("");
    return a;
  }
};

}  // namespace traverse::testing
