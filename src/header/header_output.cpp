#include "header/header_output.h"

#include "text/file_io.h"
#include "text/path.h"
#include "ui/ui.h"

const char kSaveDialogTitle[] = "Save import header...";
const char kSavePatternList[] = "PureBasic File (*.pb)|*.pb|All files|*.*";
const char kCantCreateFile[] = "Can't create file.";
const char kCantWriteFile[] = "Can't write file.";

SaveOutcome writeHeaderFile(const std::string& path, const std::string& text) {
  File* file = createFile(path);
  if (file == nullptr) return SaveOutcome::CreateFailed;
  const bool written = writeText(file, text);
  const bool closed = closeFile(file);
  return written && closed ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

SaveOutcome saveHeader(const ImportHeader& header, const std::string& sourcePath, Ui* ui) {
  const std::string path = ui->askSavePath(kSaveDialogTitle, folderPart(sourcePath),
                                           kSavePatternList, 0);
  ui->closeProgressWindow();
  if (path.empty()) return SaveOutcome::Cancelled;
  const SaveOutcome outcome = writeHeaderFile(path, header.text);
  if (outcome == SaveOutcome::CreateFailed) ui->showMessage("Error", kCantCreateFile);
  if (outcome == SaveOutcome::WriteFailed) ui->showMessage("Error", kCantWriteFile);
  return outcome;
}
