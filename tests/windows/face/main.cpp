// The Windows face on its own under Wine: dialogs, progress windows, regional settings, files,
// the host window and ADO (the test prefix's stand-in), linked in directly rather than through
// the DLL.
#include "FaceTests.h"

int main(int argc, char** argv) {
  const wintest::Screenshots screenshots(argc > 1 ? argv[1] : "");
  wintest::DialogWatcher watcher(screenshots);
  wintest::TestRun run;
  facetests::Context context{run, watcher, screenshots};
  facetests::messageBoxTests(context);
  facetests::inputDialogTests(context);
  facetests::progressWindowTests(context);
  facetests::systemServiceTests(context);
  facetests::adoFailureTests(context);
  facetests::adoStandInTests(context);
  return run.finish();
}
