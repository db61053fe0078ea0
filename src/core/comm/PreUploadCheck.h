#pragma once

#include "core/model/Installation.h"

#include <QList>
#include <QString>

namespace vaz::comm {

// Something a panel would take but an installer almost certainly did not mean.
struct Finding {
    QString place;  // "Loop 2 address 045", "Cause-effect 3 'Kat1'"
    QString text;   // what is wrong there
    bool operator==(const Finding &) const = default;
};

// Every finding, in loop and address order, then rule order.
QList<Finding> preUploadFindings(const Installation &inst);

// "Loop 2 address 045: has no zone"
QString findingLine(const Finding &f);

}  // namespace vaz::comm
