#include "ui/GeneralError.h"

#include "db/DbError.h"

namespace pelora {

void reportFailure(Prompter& prompter, const std::exception& failure) {
    if (const auto* dbFailure = dynamic_cast<const db::DbError*>(&failure))
        prompter.error(dbFailure->text());
    else
        prompter.error(QString::fromUtf8(failure.what()));
}

} // namespace pelora
