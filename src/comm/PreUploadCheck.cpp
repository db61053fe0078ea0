#include "PreUploadCheck.h"

namespace vaz::comm {

QList<Finding> preUploadFindings(const Installation &) { return {}; }

}  // namespace vaz::comm
