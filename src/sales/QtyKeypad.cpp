#include "sales/QtyKeypad.h"

#include "db/Value.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace pelora::QtyKeypad {

QString press(const QString& entry, bool& firstTouch, QChar key) {
    QString text = firstTouch || entry == u"0" ? QString() : entry;
    firstTouch = false;
    if (key == u'C')
        return QStringLiteral("0");
    return text + key;
}

std::optional<double> read(const QString& entry) {
    // Digits with at most three decimals, as the keypad types them: "1e3" or "0.0045" typed on
    // a keyboard is no quantity a waiter meant.
    static const QRegularExpression plain(QStringLiteral("^[+-]?(\\d+(\\.\\d{0,%1})?|\\.\\d{1,%1})$").arg(kMostDecimals));
    const QString text = entry.trimmed();
    if (!plain.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString increase(const QString& entry) { return db::shortestDecimal(read(entry).value_or(0) + 1); }

QString decrease(const QString& entry) {
    double value = read(entry).value_or(1);
    if (value > 1)
        value -= 1;
    return db::shortestDecimal(value);
}

} // namespace pelora::QtyKeypad
