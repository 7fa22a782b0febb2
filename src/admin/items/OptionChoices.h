#pragma once

#include "db/Query.h"

#include <QString>

#include <optional>

namespace pelora {

class Prompter;

// The choices of one option of an item (its `opt` rows with `button` = the option number), in
// the order they were made, with a current choice. Item 0 has none.
class OptionChoices {
public:
    static constexpr int kOptions = 10;

    OptionChoices(db::Connection& db, Prompter& prompter);

    // Reads the choices of option 1 to 10 of an item.
    void load(int itemId, int option);
    // Reads them again, staying on the same choice where it still exists.
    void reload();
    int itemId() const { return itemId_; }
    int option() const { return option_; }

    const db::Query& rows() const { return rows_; }
    bool isEmpty() const { return !rows_.isOpen() || rows_.isEmpty(); }
    bool moveTo(int row) { return rows_.moveTo(row); }
    int currentId() const;
    bool locateId(int id);

    // "Insert": a "New Choice" that changes nothing (0, 0, 0), made current; its id.
    int insertChoice();
    // "Delete": the current choice, after the operator agreed.
    void deleteChoice();

    // The choice editor's "Update" with the texts as typed: a blank choice or an amount that
    // cannot be read is refused (the operator is told, nothing is stored) and false returned.
    // An empty amount or "0" is 0.
    bool update(int id, const QString& choice, const QString& cost, const QString& price, const QString& tax);

private:
    // An amount as typed into the choice editor; none when it cannot be read.
    static std::optional<double> readAmount(const QString& text);

    Prompter& prompter_;
    db::Query rows_;
    int itemId_ = 0;
    int option_ = 1;
};

} // namespace pelora
