#pragma once

namespace vaz::comm {

// What the communication window is opened for.
enum class Transfer { Upload, Download, Compare };

}  // namespace vaz::comm
