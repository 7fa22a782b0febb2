#include "print/DocketLayout.h"

#include "db/Value.h"

namespace pelora::docket {

namespace {
// Text followed by blanks, at least one, until it is at least `columns` long.
QString padded(const QString& text, int columns) { return QString(text + u' ').leftJustified(columns); }
} // namespace

int nameWidth(int w) { return w - 15; }

QString columnHeader(int w) {
    return QStringLiteral("Qty  ") + padded(QStringLiteral("Item"), nameWidth(w)) + QStringLiteral("    Price ");
}

QString quantityText(double qty) { return db::shortestDecimal(qty); }

QString quantityColumn(double qty) { return QString(quantityText(qty) + QStringLiteral("     ")).left(5); }

QString itemLine(double qty, const QString& name, Money amount, bool taxed, int w) {
    const QString price = QString(QString(10, u' ') + amount.toString() + (taxed ? u'*' : u' ')).right(10);
    return quantityColumn(qty) + padded(name, nameWidth(w)) + price;
}

QStringList detailLines(const QString& text, int w) { return indentedPieces(text, nameWidth(w)); }

QStringList indentedPieces(const QString& text, int piece) {
    QStringList lines;
    const qsizetype step = piece > 0 ? piece : qMax<qsizetype>(text.size(), 1);
    for (qsizetype at = 0; at < text.size(); at += step)
        lines << QStringLiteral("     ") + text.mid(at, step);
    return lines;
}

QString summaryAmount(Money amount) { return rightAligned(amount.toString() + u' ', 10); }

QString summaryLine(const QString& label, Money amount, int w) {
    return rightAligned(label + summaryAmount(amount), w);
}

QString rightAligned(const QString& text, int columns) { return QString(u' ' + text).rightJustified(columns); }

} // namespace pelora::docket
