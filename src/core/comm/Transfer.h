#pragma once

namespace vaz::comm {

// What the communication window is opened for; Verify is the read-back that
// follows an upload when asked for.
enum class Transfer { Upload, Download, Compare, Verify };

}  // namespace vaz::comm
