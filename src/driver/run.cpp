#include "driver/run.h"

#include <memory>
#include <set>
#include <vector>

#include "header/header_output.h"
#include "text/text_ops.h"
#include "ui/ui.h"

const char kParameterMissed[] = "Parameter missed.\r\ngantrell.exe [FILENAME]";
const char kNothingToExport[] = "Nothing to export.";
const char kSourceTooLarge[] = "Source too large.";
const char kOutOfMemory[] = "Out of memory.";
const char kMissingIncludes[] = "Some include files can't be opened.";
const char kGuessedIncludes[] = "Some include names can't be evaluated.";

namespace {

void report(RunResult* result, RunOutcome outcome, const std::string& message, Ui* ui) {
  result->outcome = outcome;
  result->message = message;
  ui->showMessage("Error", message);
}

RunOutcome fromSave(SaveOutcome outcome) {
  switch (outcome) {
    case SaveOutcome::Saved:
      return RunOutcome::Saved;
    case SaveOutcome::Cancelled:
      return RunOutcome::Cancelled;
    case SaveOutcome::CreateFailed:
      return RunOutcome::CreateFailed;
    case SaveOutcome::SourceRefused:
      return RunOutcome::SourceRefused;
    case SaveOutcome::WriteFailed:
      break;
  }
  return RunOutcome::WriteFailed;
}

// The files read in this run, each once, as their markers name them.
std::vector<std::string> filesRead(const SourceMap& map) {
  std::vector<std::string> files;
  std::set<std::string> seen;
  for (const SourceOrigin& origin : map.origins)
    if (seen.insert(origin.path).second) files.push_back(origin.path);
  return files;
}

}  // namespace

RunResult runGantrell(const std::string& argument, Ui* ui, const RunOptions& options) {
  const bool trim = !options.exactSourcePath;
  RunResult result;
  result.sourcePath = trim ? trimSpaces(argument) : argument;
  if (result.sourcePath.empty()) {
    report(&result, RunOutcome::MissingArgument, kParameterMissed, ui);
    return result;
  }

  const OwnedTokenList tokens(
      tokenizeFile(result.sourcePath, &result.sourceMap, !trim, options.compiler));
  if (result.sourceMap.tooLarge) {
    report(&result, RunOutcome::SourceTooLarge, kSourceTooLarge, ui);
    return result;
  }
  if (!result.sourceMap.error.empty()) {
    result.errorLine = result.sourceMap.errorLine;
    report(&result, RunOutcome::SourceError, result.sourceMap.error, ui);
    return result;
  }
  if (options.missingIncludesFail && (!result.sourceMap.missingIncludes.empty() ||
                                      !result.sourceMap.guessedIncludes.empty())) {
    report(&result, RunOutcome::MissingInclude,
           result.sourceMap.missingIncludes.empty() ? kGuessedIncludes : kMissingIncludes, ui);
    return result;
  }
  if (!options.library.empty()) nameLibrary(&result.header, options.library);
  const TokenListOps& ops = *tokens->ops;
  const int32_t count = ops.count(tokens.get());
  ui->openProgressWindow(kProgramBanner, count - 1);

  const int32_t closeRequest = ui->closeWindowEvent();
  for (int32_t position = 0;;) {
    if (ui->pollWindowEvent() == closeRequest) {
      result.outcome = RunOutcome::Closed;
      return result;
    }
    ui->setProgress(position);
    if (startsDeclaration(tokens.get(), position, &result.header)) {
      const DeclarationResult declaration =
          scanDeclaration(tokens.get(), position, &result.header, ui);
      if (!declaration.ok) {
        result.errorLine = declaration.errorLine;
        report(&result, RunOutcome::DeclarationError, declaration.message, ui);
        return result;
      }
      position = declaration.position;
    }
    if (++position >= count) break;
    ui->pause();
  }

  if (result.header.declarationCount() < 1) {
    report(&result, RunOutcome::NothingToExport, kNothingToExport, ui);
    return result;
  }
  finishHeader(&result.header);
  const SaveOutcome saved = saveHeader(result.header, result.sourcePath,
                                       filesRead(result.sourceMap), ui, &result.saveError);
  result.outcome = fromSave(saved);
  if (saved == SaveOutcome::CreateFailed) result.message = kCantCreateFile;
  if (saved == SaveOutcome::WriteFailed) result.message = kCantWriteFile;
  if (saved == SaveOutcome::SourceRefused) result.message = kCantOverwriteSource;
  return result;
}
