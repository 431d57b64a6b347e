#include "header/header_output.h"

#include "text/file_io.h"

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

WriteOutcome writeHeaderFile(const std::string& path, const std::string& text, std::string* err) {
  // Should writing throw, the owner abandons the file: the old one stays, and no temporary file.
  OwnedFile file(createReplacement(path, err));
  if (file == nullptr) return WriteOutcome::CreateFailed;
  writeText(file.get(), text);
  return closeFile(file.release(), err) ? WriteOutcome::Written : WriteOutcome::WriteFailed;
}
