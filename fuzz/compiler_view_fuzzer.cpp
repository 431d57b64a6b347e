// Reads the input, line by line, as the compiler's view of a source: constants, directives and
// macros. The first byte picks a target (or none) and a home folder; a line of byte F5 alone
// enters an included file and one of byte F6 alone leaves it, so directives cross file edges.
// Every line's code is also taken for an include name. Checks that each answer is one of those
// the view gives, that errors name the line, and (by the fuzzer's time-out) that recursive
// macros, deep nesting and huge expressions end.
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "scan/compiler_view.h"
#include "scan/const_expr.h"
#include "text/text_ops.h"

namespace {

const char* const kTargets[] = {
    "",          "windows-x86", "windows-x64", "linux-x64", "linux-arm64",
    "macos-x64", "macos-arm64", "amiga-68k"};

// Checks an error's message and, where `line` is not 0, that it names that line.
void checkFailure(const LineVerdict& failure, int32_t line) {
  const struct {
    std::string text;
    int32_t line;
  } verdict{std::string(failure.text), failure.line};
  const size_t digits = verdict.text.size() - verdict.text.find_last_not_of("0123456789") - 1;
  FUZZ_CHECK(digits > 0, "message without a line: " + verdict.text);
  const std::string number = verdict.text.substr(verdict.text.size() - digits);
  FUZZ_CHECK(number == decimalText(verdict.line), "message and line differ: " + verdict.text);
  FUZZ_CHECK(line == 0 || number == decimalText(line), "message: " + verdict.text);
  const std::string message = verdict.text.substr(0, verdict.text.size() - digits);
  FUZZ_CHECK(message == "Unbalanced compiler directive in line " ||
                 message == "Macro nesting too deep in line " ||
                 message == "Macro expansion too large in line ",
             "message: " + verdict.text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const CompilerSettings settings{data[0] & 8 ? "/opt/pb/" : "", kTargets[data[0] & 7]};
  CompilerView view(settings);
  view.enterFile("/src/", "main.pb");
  int depth = 1;
  int32_t line = 1;
  for (size_t start = 0; start <= input.size(); ++line) {
    size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    const std::string_view text = input.substr(start, end - start);
    start = end + 1;
    if (text == "\xF5") {
      view.enterFile("/src/", "inc" + decimalText(depth++) + ".pbi");
      continue;
    }
    if (text == "\xF6" && depth > 1) {
      --depth;
      const LineVerdict left = view.leaveFile();
      FUZZ_CHECK(
          left.action == LineVerdict::Action::Keep || left.action == LineVerdict::Action::Fail,
          "leaving a file gives a line to read");
      if (left.action == LineVerdict::Action::Fail) {
        checkFailure(left, 0);
        return 0;
      }
      continue;
    }
    const IncludeNames names = view.includeNames(text);
    FUZZ_CHECK(names.names.size() <= kMaxCandidates, "more than 16 include names");
    FUZZ_CHECK(names.evaluated == !names.names.empty(), "evaluated without a name");
    const LineVerdict verdict = view.readLine(text, line);
    switch (verdict.action) {
      case LineVerdict::Action::Fail:
        checkFailure(verdict, line);
        return 0;
      case LineVerdict::Action::Replace:
        break;
      case LineVerdict::Action::Keep:
      case LineVerdict::Action::Drop:
        FUZZ_CHECK(verdict.text.empty(), "a text with a line kept or dropped");
        break;
    }
  }
  while (depth-- > 0) {
    const LineVerdict left = view.leaveFile();
    if (left.action != LineVerdict::Action::Fail) continue;
    checkFailure(left, 0);
    return 0;
  }
  return 0;
}
