#include "core/panel/DisplayText.h"

namespace vaz {

QString savedLocation(const QString &typed)
{
    const QString plain = MahalVerKarakterDuzenle(typed);
    return plain.size() < kDisplayTextLength ? plain + QString(kDisplayTextLength, u' ') : plain;
}

QString normaliseDisplayText(const QString &text) { return plainLetters(text.left(kDisplayTextLength)); }

QString plainLetters(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        switch (c.unicode()) {
        case u'Ş': c = u'S'; break;
        case u'ş': c = u's'; break;
        case u'Ğ': c = u'G'; break;
        case u'ğ': c = u'g'; break;
        case u'Ç': c = u'C'; break;
        case u'ç': c = u'c'; break;
        case u'İ': c = u'I'; break;
        case u'ı': c = u'i'; break;
        case u'Ü': c = u'U'; break;
        case u'ü': c = u'u'; break;
        case u'Ö': c = u'O'; break;
        case u'ö': c = u'o'; break;
        default: break;
        }
    }
    return result;
}

}  // namespace vaz
