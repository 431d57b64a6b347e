#include "header/header_output.h"

#include "text/file_io.h"
#include "text/path.h"
#include "ui/ui.h"

const char kSaveDialogTitle[] = "Save import header...";
const char kSavePatternList[] = "PureBasic File (*.pb)|*.pb|All files|*.*";
const char kCantCreateFile[] = "Can't create file.";
const char kCantWriteFile[] = "Can't write file.";
const char kCantOverwriteSource[] = "Can't overwrite a source file.";

bool namesSourceFile(const std::string& path, const std::vector<std::string>& sources) {
  const FileIdentity target = fileIdentity(path);
  for (const std::string& source : sources) {
    if (source == path) return true;
    if (!target.known) continue;
    const FileIdentity identity = fileIdentity(source);
    if (identity.known && identity.volume == target.volume && identity.index == target.index)
      return true;
  }
  return false;
}

SaveOutcome writeHeaderFile(const std::string& path, const std::string& text, std::string* err) {
  File* file = createReplacement(path, err);
  if (file == nullptr) return SaveOutcome::CreateFailed;
  try {
    writeText(file, text);
  } catch (...) {
    abandonFile(file);  // the old file stays, and no temporary file
    throw;
  }
  return closeFile(file, err) ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

SaveOutcome saveHeader(const ImportHeader& header, const std::string& sourcePath,
                       const std::vector<std::string>& sources, Ui* ui, std::string* err) {
  const std::string path = ui->askSavePath(kSaveDialogTitle, folderPart(sourcePath),
                                           kSavePatternList, 0);
  ui->closeProgressWindow();
  if (path.empty()) return SaveOutcome::Cancelled;
  if (namesSourceFile(path, sources)) {
    ui->showMessage("Error", kCantOverwriteSource);
    return SaveOutcome::SourceRefused;
  }
  const SaveOutcome outcome = writeHeaderFile(path, header.text, err);
  if (outcome == SaveOutcome::CreateFailed) ui->showMessage("Error", kCantCreateFile);
  if (outcome == SaveOutcome::WriteFailed) ui->showMessage("Error", kCantWriteFile);
  return outcome;
}
