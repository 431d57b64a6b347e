// gantrell-gtk and gantrell-win32: the scan under a progress window, with the dialogs.
#include <new>

#include "driver/run.h"
#include "text/pattern.h"
#include "text/program_args.h"
#include "ui/desktop_ui.h"

int main(int argc, char** argv) {
  storeProgramArguments(&argc, &argv);
  // The toolkit starts first: it removes its own options from the arguments.
  std::unique_ptr<Ui> ui = startDesktopUi(&argc, &argv);
  if (!ui) return 1;
  try {
    runGantrell(nextProgramArgument(), ui.get());
  } catch (const std::bad_alloc&) {
    ui->showMessage("Error", kOutOfMemory);
  }
  ui.reset();  // closes whatever window is still open
  freeAllPatterns();
  return 0;
}
