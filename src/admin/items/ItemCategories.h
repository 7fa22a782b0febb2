#pragma once

#include "db/Query.h"

#include <QString>
#include <QStringList>

namespace pelora {

class Prompter;

// The categories of one item (its `icat` rows, by name), one of which may be its top category,
// which the receipt docket totals by. A category is the same in any letter case.
class ItemCategories {
public:
    ItemCategories(db::Connection& db, Prompter& prompter);

    // The names offered for adding: every category some item has, ascending. Read when the
    // window opens, not again while it stays open.
    void loadOffered();
    const QStringList& offered() const { return offered_; }

    // Reads the categories of an item (named in the questions).
    void load(int itemId, const QString& itemName);
    int itemId() const { return itemId_; }
    const QString& itemName() const { return itemName_; }

    const db::Query& rows() const { return rows_; }
    bool isEmpty() const { return !rows_.isOpen() || rows_.isEmpty(); }
    bool moveTo(int row) { return rows_.moveTo(row); }
    QString currentCat() const;
    bool currentIsTop() const;

    // "Add": refused (the operator told) when blank or when the item has the category in any
    // letter case; the item's first category becomes its top category. The new row is current.
    bool add(const QString& name);
    // "Remove Cat": the current category, after the operator agreed.
    bool removeCurrent();
    // "Topcat Toggle": makes the current category the only top category, or takes the flag
    // from it when it is the top category, after the operator agreed.
    bool toggleTop();

private:
    void reloadOn(const QString& cat);

    db::Connection& db_;
    Prompter& prompter_;
    db::Query rows_;
    QStringList offered_;
    int itemId_ = 0;
    QString itemName_;
};

} // namespace pelora
