// Where the library's own file lies: the layout file is kept beside it, not beside the host.
#pragma once

#include <QString>

namespace qarnolog {

// The absolute path of "QarnoLog.ini" in the directory of the binary that holds this code (the
// library, not the host program); empty when the system cannot tell.
[[nodiscard]] QString LibraryLayoutFilePath();

}  // namespace qarnolog
