#pragma once

#include <QString>

#include <array>

namespace pelora {

namespace db {
class Query;
}

// A line's ten option slots as caption and choice.
struct LineOptions {
    std::array<QString, 10> captions;
    std::array<QString, 10> choices;

    // Reads opt1caption, opt1choice ... opt10choice of the query's current row.
    static LineOptions of(const db::Query& query);
};

// The options a line was given, joined with " + ": the caption alone for an on/off choice
// ("T"), else "caption: choice"; empty slots are left out.
QString optionText(const LineOptions& options);

// A line's kitchen message: the typed note, then the split reference and its message, joined
// with " > " ("No onions > A > Birthday"); the split message only when the line has a split.
// The receipt history joins the split's message with ": " instead ("No onions > A: Birthday").
QString messageText(const QString& optMsg, const QString& splitRef, const QString& splitMsg,
                    const QString& beforeSplitMsg = QStringLiteral(" > "));

} // namespace pelora
