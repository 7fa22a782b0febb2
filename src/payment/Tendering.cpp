#include "payment/Tendering.h"

#include "common/Prompter.h"
#include "db/Connection.h"

namespace pelora::Tendering {

bool isAccountMovement(QStringView creditMode) { return creditMode == kCredit || creditMode == kDebit; }

QString press(const QString& tendered, QChar key) {
    return (tendered == u"0" ? QString() : tendered) + key;
}

QString shortcut(int whole) { return Money::fromWhole(whole).toString(); }

std::optional<Money> read(QStringView tendered) { return Money::parseTyped(tendered); }

QString changeText(QStringView tendered, QStringView total) {
    const std::optional<Money> paid = read(tendered);
    const std::optional<Money> due = read(total);
    if (!paid || !due || *paid < *due)
        return {};
    return QStringLiteral("Change:    ") + (*paid - *due).toString();
}

Money priorTendered(db::Connection& db, int tabId, const QString& source) {
    if (tabId <= 1)
        return {};
    if (source != u"tabline1" && source != u"tabline2")
        throw std::invalid_argument("pre-tender is read for tabline1 or tabline2");
    const db::ResultData tab = db.run(QStringLiteral("SELECT tendered FROM tab WHERE id = ?"), {tabId});
    Money amount = tab.rows.empty() ? Money() : tab.rows.front().at(0).asMoney();
    const db::ResultData splits =
        db.run(QStringLiteral("SELECT SUM(tendered) AS sumtend FROM split WHERE ref IN"
                              " (SELECT DISTINCT splitref FROM %1 WHERE tabid = ? AND splitref IS NOT NULL"
                              " AND splitref <> '')")
                   .arg(source),
               {tabId});
    const Money sum = splits.rows.front().at(0).asMoney();
    if (sum > Money())
        amount = sum;
    return amount;
}

QString partAccountQuestion(Money available, Money total) {
    return QStringLiteral("Available credit is ") + available.toString() + QStringLiteral(" on a ") +
           total.toString() + QStringLiteral(" sale.") + kLineBreak +
           QStringLiteral("Will you pay the difference of ") + (total - available).toString() + QStringLiteral("?");
}

} // namespace pelora::Tendering
