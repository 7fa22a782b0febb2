#pragma once

#include <QString>

#include <array>
#include <vector>

namespace pelora {

namespace db {
class Query;
}

// The console's administrator levels: a full Admin has every button, an Admin2 those a full
// Admin grants in `master`.
enum class AdminLevel { None, Admin, Admin2 };

// The buttons an Admin2 may be granted, group by group in the console's order, each with the
// `master` column that holds its grant ("T" grants, anything else withholds).
class AdminPermissions {
public:
    enum class Group { Setup, Extras, Reports };
    struct Entry {
        Group group;
        const char* caption;
        const char* column;
    };
    static constexpr int kCount = 28;
    static const std::array<Entry, kCount>& entries();
    // The position of a column in the table, or -1.
    static int indexOf(const QString& column);

    // Reads the grants of the one `master` row, in the table's order.
    static std::vector<bool> load(db::Query& query);
    // Grants (or withdraws) one button at once; there is one `master` row.
    static void write(db::Query& query, int index, bool granted);
};

} // namespace pelora
