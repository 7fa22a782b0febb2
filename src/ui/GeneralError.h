#pragma once

#include "common/Prompter.h"

#include <exception>
#include <utility>

namespace pelora {

// The application's general error report: a failure that no step handles itself is shown to
// the operator as an error with its own text (a database failure with the server's text), and
// the event that caused it ends there.
void reportFailure(Prompter& prompter, const std::exception& failure);
// The text the report shows for a failure.
QString failureText(const std::exception& failure);

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
