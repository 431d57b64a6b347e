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
