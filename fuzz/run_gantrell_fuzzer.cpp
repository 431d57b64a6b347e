// Runs the whole command-line path on a source file made of the input, under UTF-8 names: scan,
// declarations and the written block, which must hold exactly the header's bytes (8-bit text,
// or well-formed UTF-8 behind a mark where some character has no 8-bit byte), or an error that
// names a line of the source.
#include <string>

#include "driver/headless_ui.h"
#include "driver/run.h"
#include "fuzz_support.h"
#include "text/code_page.h"
#include "text/text_ops.h"
#include "text/utf8_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchDir folder;
  const std::string input(reinterpret_cast<const char*>(data), size);
  // An absolute include name would be looked for outside the scratch folder.
  if (input.find("\"/") != std::string::npos) return -1;
  const std::string source = folder.write("\xE4\xB8\xBB main.pb", input);
  const std::string output = folder.path() + "\xD0\xB1\xD0\xBB\xD0\xBE\xD0\xBA.pbi";
  HeadlessUi ui(output);
  const RunResult result = runGantrell(source, &ui);
  switch (result.outcome) {
    case RunOutcome::Saved:
      FUZZ_CHECK(result.header.declarationCount() >= 1, "saved without a declaration");
      FUZZ_CHECK(readFileBytes(output) == result.header.text,
                 "the written file differs from the header");
      if (result.header.text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        const std::string text = result.header.text.substr(3);
        std::string bytes;
        FUZZ_CHECK(cleanUtf8(text) == text && !utf8ToEightBit(text, &bytes),
                   "a block with a mark that is no UTF-8 or that 8 bits would have held");
      }
      break;
    case RunOutcome::NothingToExport:
      FUZZ_CHECK(result.header.declarationCount() == 0, "declarations, yet nothing to export");
      FUZZ_CHECK(result.message == "Nothing to export.", "message: " + result.message);
      break;
    case RunOutcome::SourceError:
      FUZZ_CHECK(result.message.compare(0, 13, "Unbalanced co") == 0 ||
                     result.message.compare(0, 9, "Macro nes") == 0 ||
                     result.message.compare(0, 9, "Macro exp") == 0,
                 "message: " + result.message);
      [[fallthrough]];
    case RunOutcome::DeclarationError: {
      FUZZ_CHECK(result.errorLine >= 1, "error line " + decimalText(result.errorLine));
      std::string path;
      int32_t fileLine = 0;
      FUZZ_CHECK(result.sourceMap.locate(result.errorLine, &path, &fileLine),
                 "the error line lies outside the source: " + decimalText(result.errorLine));
      break;
    }
    default:
      FUZZ_CHECK(false, "outcome " + decimalText(static_cast<int32_t>(result.outcome)));
  }
  return 0;
}
