#include "db/DbError.h"

#include <algorithm>

namespace pelora::db {

DbError::DbError(std::vector<long> codes, const QString& text)
    : std::runtime_error(text.toStdString()), codes_(std::move(codes)), text_(text) {}

bool DbError::hasCode(long code) const {
    return std::find(codes_.begin(), codes_.end(), code) != codes_.end();
}

bool DbError::isConflict() const {
    return hasCode(kUpdateConflict) || hasCode(kLockConflict) || hasCode(kLockTimeout) ||
           (hasCode(kRandom) && text_.contains(QLatin1String("erased record")));
}

bool DbError::isConnectionLost() const {
    static constexpr long kLost[] = {
        kConnectionLost,
        335544721, // network error: the server cannot be reached
        335544726, // error reading data from the connection
        335544727, // error writing data to the connection
        335544856, // connection shutdown (the attachment was ended on the server)
        335544528, // database shutdown
        335544506, // database shutdown in progress
        335544648, // connection lost to pipe server
        335544971, // the server is shutting down
    };
    return std::any_of(std::begin(kLost), std::end(kLost), [this](long code) { return hasCode(code); });
}

bool DbError::isConnectionLost(const std::exception& failure) {
    const auto* db = dynamic_cast<const DbError*>(&failure);
    return db && db->isConnectionLost();
}

QString DbError::connectionLostMessage() {
    return QStringLiteral("The connection to the database was lost.\n"
                          "Nothing of this was stored. The till connects again by itself: try again in a moment.");
}

} // namespace pelora::db
