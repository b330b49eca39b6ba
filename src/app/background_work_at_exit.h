#pragma once

namespace vlt {

// Called by main() once the application has shut down: returns `status` for main to
// return when no background work is left, else ends the process here. Work still
// running then (a decode blocked in a read, the preparation of a huge photograph)
// cannot be stopped from outside and nothing it could deliver is wanted any more, so
// it is abandoned: QApplication's destructor would otherwise wait for every thread of
// the pool, as long as that takes.
int leaveUnfinishedBackgroundWork(int status);

}  // namespace vlt
