#pragma once

#include "common/Prompter.h"

#include <exception>
#include <utility>

namespace pelora {

// The application's general error report: a failure that no step handles itself is shown to
// the operator as an error with its own text (a database failure with the server's text), and
// the event that caused it ends there.
void reportFailure(Prompter& prompter, const std::exception& failure);
// The text the report shows for a failure: a lost connection to the database has one message
// wherever it happens (DbError::connectionLostMessage).
QString failureText(const std::exception& failure);
// A failure with a message of its own ("Cannot open StaffForm."): the error `message`, unless
// the connection to the database was lost, which is said as everywhere else.
void reportFailureAs(Prompter& prompter, const std::exception& failure, const QString& message);

// Runs an operator's action under the general error report.
template <typename Action>
void runReportingFailures(Prompter& prompter, Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure);
    }
}

} // namespace pelora
