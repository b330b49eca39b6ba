#include "model/print_command_title.h"

#include "foundation/localized_string.h"

namespace vlt {

const QString& printCommandTitle() {
    static const QString title = localizedString("Print…");
    return title;
}

}  // namespace vlt
