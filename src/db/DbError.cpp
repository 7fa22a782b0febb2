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

} // namespace pelora::db
