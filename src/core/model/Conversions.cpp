#include "core/model/Conversions.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vaz {

QString blankLed(long long n) { return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n); }

QString plainForm(long long n) { return QString::number(n); }

double textValue(QStringView text)
{
    // Gather the characters that matter, dropping the blanks that may stand anywhere.
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        s.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f');
    }

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    std::string mantissa;
    auto digits = [&](std::string &out) {
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            out.push_back(s[i++]);
    };
    std::string whole, fraction;
    digits(whole);
    if (i < s.size() && s[i] == '.') {
        ++i;
        digits(fraction);
    }
    if (whole.empty() && fraction.empty())
        return 0;
    std::string number = (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);

    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        std::size_t start = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            exponent.push_back(s[j++]);
        if (j > start)
            number += "e" + exponent;
    }

    double value = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: decide between overflow and underflow.
        bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

double roundHalfEven(double v)
{
    if (!std::isfinite(v))
        return v;
    double r = std::round(v);  // halves away from zero
    if (std::fabs(v - std::trunc(v)) == 0.5)
        r = 2.0 * std::round(v / 2.0);
    return r;
}

Int16 toInt16(double v)
{
    double r = roundHalfEven(v);
    if (!(r >= -32768.0 && r <= 32767.0)) {
        std::string shown = std::isnan(v) ? "not a number" : QString::number(v, 'g', 17).toStdString();
        throw RangeError("the value " + shown + " does not fit a 16-bit field");
    }
    return Int16(static_cast<int>(r));
}

QString numberText(double v)
{
    if (v == std::trunc(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    return QString::number(v, 'g', 15).toUpper();
}

QString deviceLabel(int address) { return QStringLiteral("%1").arg(address, 3, 10, QLatin1Char('0')); }

QString devicePlace(int loop, int address)
{
    return QCoreApplication::translate("vaz", "Loop %1 address %2").arg(loop).arg(deviceLabel(address));
}

bool isDeviceLabel(const QString &text)
{
    if (text.isEmpty() || QString::compare(text, QLatin1String("0")) < 0 ||
        QString::compare(text, QLatin1String("128")) >= 0)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    bool ok = false;
    int v = text.toInt(&ok);
    return ok && v >= 1 && v <= 127;
}

}  // namespace vaz
