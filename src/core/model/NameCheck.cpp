#include "core/model/NameCheck.h"

#include <QCoreApplication>

#include "core/model/Codepage.h"

namespace vaz {

QString nameInputProblem(const QString &text)
{
    if (text.size() > kNameLength)
        return QCoreApplication::translate("vaz::NameCheck", "A name holds at most 40 characters.");
    const QString c = unsendableCharacter(text);
    if (c.isEmpty())
        return QString();
    if (c == u"\"" || c == u"~")
        return QCoreApplication::translate("vaz::NameCheck", "The characters \" and ~ cannot be part of a name.");
    return QCoreApplication::translate("vaz::NameCheck", "This character cannot be stored in a configuration file.");
}

QString unsendableCharacter(const QString &text)
{
    // Asking the code page once per text keeps long lists quick.
    const bool encodable = cp1254CanEncode(text);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString c = text.mid(i, n);
        if (c == u"\"" || c == u"~" || c[0] < u' ' || (!encodable && !cp1254CanEncode(c)))
            return c;
        i += n - 1;
    }
    return QString();
}

}  // namespace vaz
