#pragma once

#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace pelora {

class ButtonCache;
struct TerminalSettings;

namespace db {
class Connection;
}

// One link page of the item grid as the buttons' rows describe it: where each box, button and
// label stands, what they say and what a touch does. Built from the button cache or, without
// it, from the `li` rows of the link.
struct GridPage {
    struct Button {
        int tag = 0;  // the cache row, or the `li` id without the cache
        int liId = 0;
        QRect box;
        QRect button;
        QRect label;
        // The box colour as the database holds it (red in the low byte); none for the system's
        // button face.
        std::optional<std::uint32_t> colour;
        QString caption;
        bool link = false;  // a link button: it shows another page
        int linkIdLink = 0; // the page a link button shows
        int itemId = 0;
        int imageId = 0;
        QString imageLrtb;
        bool stopped = false; // the item is stopped: the button shows but cannot be pressed
        QString labelText;    // price and stock of an item button
    };

    std::vector<Button> buttons;
    QString linkName;
    bool cached = false; // built from the button cache

    // What a touch of a button does: show a page, or add an item (none when the item id is 0).
    struct Touch {
        bool showLink = false;
        int linkId = 0;
        int itemId = 0;
    };

    static GridPage fromCache(const ButtonCache& cache, int linkId, const TerminalSettings& settings);
    static GridPage fromDatabase(db::Connection& db, int linkId, const TerminalSettings& settings);

    static Touch touchFromCache(const ButtonCache& cache, int row);
    static Touch touchFromDatabase(db::Connection& db, int liId);

    // The text under an item button: its price at the layout's price level ("Unpriced" when
    // there is none above 0), "^" when discounts cannot reduce it, and with `countmode` "1" the
    // stock in brackets.
    static QString labelFor(const QString& price, const QString& stopDisc, const QString& qty,
                            const TerminalSettings& settings);
    // A `boxcolour` text: a decimal colour, or none for the button face (also for the
    // system-colour values, which have the high byte set).
    static std::optional<std::uint32_t> parseColour(const QString& text);
};

} // namespace pelora
