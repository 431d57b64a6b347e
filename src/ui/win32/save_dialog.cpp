#include "ui/win32/save_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <cstddef>
#include <cstring>

#include "text/wide_text.h"
#include "ui/win32/modal_scope.h"

namespace {

// The record as Windows 2000 defined it (OPENFILENAME_SIZE_VERSION_400W, of the same size as the
// 8-bit one): it ends with lpTemplateName, and the later members stay out of its size.
constexpr DWORD kRecordSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
static_assert(kRecordSize == 76, "OPENFILENAME of 76 bytes");

// Replacing an existing file needs a yes in the system's question; a no returns to the dialog.
constexpr DWORD kSaveFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                             OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT;
static_assert(kSaveFlags == 0x8080E,
              "explorer dialog, existing path, no read-only box, same folder, overwrite question");

bool acceptableFileName(const std::string& name) {
  if (name.empty()) return false;
  for (unsigned char c : name)
    if (c < 0x20 || std::strchr("\"*/:<>?\\|", c) != nullptr) return false;
  return true;
}

}  // namespace

SaveLocation initialSaveLocation(const std::string& defaultPath) {
  const std::string path(defaultPath.c_str());
  SaveLocation location;
  const size_t slash = path.rfind('\\');
  if (slash != std::string::npos && slash > 0) {
    location.folder = path.substr(0, slash);
    location.fileName = path.substr(slash + 1);
  } else {
    location.fileName = path;
  }
  if (!acceptableFileName(location.fileName)) location.fileName.clear();
  return location;
}

std::vector<char> saveFilterBuffer(const std::string& patternList) {
  const std::string list(patternList.c_str());
  std::vector<char> filter(list.size() + 2, '\0');
  for (size_t i = 0; i < list.size(); ++i) filter[i] = list[i] == '|' ? '\0' : list[i];
  return filter;
}

std::string askSaveFileName(const std::string& title, const std::string& defaultPath,
                            const std::string& patternList, int32_t patternIndex) {
  // Every text in wide characters, so that a name beyond the ANSI code page can be chosen.
  std::vector<wchar_t> path(kSavePathBufferSize, L'\0');
  const std::vector<char> filterBytes = saveFilterBuffer(patternList);
  const std::wstring filter = widen(std::string_view(filterBytes.data(), filterBytes.size()));
  const SaveLocation location = initialSaveLocation(defaultPath);
  widen(location.fileName).copy(path.data(), path.size() - 1);
  const std::wstring folder = widen(location.folder);
  const std::wstring wideTitle = widen(title);

  ModalScope modal;
  OPENFILENAMEW dialog;
  std::memset(&dialog, 0, sizeof dialog);
  dialog.lStructSize = kRecordSize;
  dialog.hwndOwner = modal.owner();
  dialog.lpstrFilter = filter.data();
  dialog.nFilterIndex = static_cast<DWORD>(patternIndex + 1);
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrTitle = wideTitle.c_str();
  dialog.Flags = kSaveFlags;
  if (!GetSaveFileNameW(&dialog)) return std::string();
  return narrow(path.data());
}
