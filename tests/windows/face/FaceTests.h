#pragma once
// Groups of the Windows face's own tests, each a function over the shared runner.
#include "support/DialogWatcher.h"
#include "support/Screenshots.h"
#include "support/TestRun.h"

namespace facetests {

struct Context {
  wintest::TestRun& run;
  wintest::DialogWatcher& watcher;
  const wintest::Screenshots& screenshots;
};

void messageBoxTests(Context& context);
void inputDialogTests(Context& context);
void progressWindowTests(Context& context);
void systemServiceTests(Context& context);
void adoFailureTests(Context& context);
void adoStandInTests(Context& context);

}  // namespace facetests
