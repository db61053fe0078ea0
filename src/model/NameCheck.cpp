#include "NameCheck.h"

#include <QCoreApplication>

#include "Codepage.h"

namespace vaz {

QString nameInputProblem(const QString &text)
{
    if (text.size() > kNameLength)
        return QCoreApplication::translate("vaz::NameCheck", "A name holds at most 40 characters.");
    for (QChar c : text) {
        if (c == u'"' || c == u'~')
            return QCoreApplication::translate("vaz::NameCheck", "The characters \" and ~ cannot be part of a name.");
    }
    if (!cp1254CanEncode(text))
        return QCoreApplication::translate("vaz::NameCheck",
                                           "This character cannot be stored in a configuration file.");
    return QString();
}

}  // namespace vaz
