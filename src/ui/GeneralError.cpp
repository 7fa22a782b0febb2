#include "ui/GeneralError.h"

#include "db/DbError.h"

namespace pelora {

void reportFailure(Prompter& prompter, const std::exception& failure) { prompter.error(failureText(failure)); }

QString failureText(const std::exception& failure) {
    if (const auto* dbFailure = dynamic_cast<const db::DbError*>(&failure))
        return dbFailure->isConnectionLost() ? db::DbError::connectionLostMessage() : dbFailure->text();
    return QString::fromUtf8(failure.what());
}

void reportFailureAs(Prompter& prompter, const std::exception& failure, const QString& message) {
    if (db::DbError::isConnectionLost(failure))
        reportFailure(prompter, failure);
    else
        prompter.error(message);
}

} // namespace pelora
