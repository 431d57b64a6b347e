#include "driver/run.h"

#include "header/header_output.h"
#include "text/path.h"
#include "text/text_ops.h"
#include "ui/ui.h"

const char kParameterMissed[] = "Parameter missed.\r\ngantrell.exe [FILENAME]";
const char kNothingToExport[] = "Nothing to export.";
const char kSourceTooLarge[] = "Source too large.";
const char kOutOfMemory[] = "Out of memory.";
const char kCantCreateFile[] = "Can't create file.";
const char kCantWriteFile[] = "Can't write file.";
const char kCantOverwriteSource[] = "Can't overwrite a source file.";

namespace {

const char kMissingIncludes[] = "Some include files can't be opened.";
const char kGuessedIncludes[] = "Some include names can't be evaluated.";
const char kSaveDialogTitle[] = "Save import header...";
const char kSavePatternList[] = "PureBasic File (*.pb)|*.pb|All files|*.*";

// Shows the error box; the result keeps the outcome and the text for front ends that report more.
void report(RunResult* result, RunOutcome outcome, const std::string& message, Ui* ui) {
  result->outcome = outcome;
  result->message = message;
  ui->showMessage("Error", message);
}

// Asks where to save, closes the progress window and writes the finished block there, unless
// the path names a file read in this run; a failure ends in the error box, after the window
// has gone.
void saveHeader(Ui* ui, RunResult* result) {
  const std::string path =
      ui->askSavePath(kSaveDialogTitle, folderPart(result->sourcePath), kSavePatternList, 0);
  ui->closeProgressWindow();
  if (path.empty()) {
    result->outcome = RunOutcome::Cancelled;
    return;
  }
  if (namesSourceFile(path, result->sourceMap.filesRead())) {
    report(result, RunOutcome::SourceRefused, kCantOverwriteSource, ui);
    return;
  }
  switch (writeHeaderFile(path, result->header.text, &result->saveError)) {
    case WriteOutcome::Written:
      result->outcome = RunOutcome::Saved;
      break;
    case WriteOutcome::CreateFailed:
      report(result, RunOutcome::CreateFailed, kCantCreateFile, ui);
      break;
    case WriteOutcome::WriteFailed:
      report(result, RunOutcome::WriteFailed, kCantWriteFile, ui);
      break;
  }
}

}  // namespace

const char* unresolvedIncludesMessage(const SourceMap& map) {
  if (!map.missingIncludes.empty()) return kMissingIncludes;
  if (!map.guessedIncludes.empty()) return kGuessedIncludes;
  return nullptr;
}

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
  const char* unresolved = unresolvedIncludesMessage(result.sourceMap);
  if (options.missingIncludesFail && unresolved != nullptr) {
    report(&result, RunOutcome::MissingInclude, unresolved, ui);
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
      const DeclarationResult declaration = scanDeclaration(tokens.get(), position, &result.header);
      // A name read shows even when its declaration then fails, above the error box.
      if (!declaration.name.empty()) ui->setStatusText("Found: " + declaration.name);
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
  saveHeader(ui, &result);
  return result;
}
