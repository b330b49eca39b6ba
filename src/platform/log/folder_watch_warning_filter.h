#pragma once

namespace vlt {

// Qt's file dialogs watch every folder they show. A folder that can be written but not
// listed (a drop box) refuses the watch, and Qt warns about it on every visit, from the
// dialog and from its memory of the last folder: a message that tells nobody anything.
// From now on those warnings stay out of the log; every other message goes where it
// went before. Installing it again changes nothing.
void installFolderWatchWarningFilter();

}  // namespace vlt
