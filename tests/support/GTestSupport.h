#pragma once

#include "ScriptedPrompter.h"

#include <QString>

#include <gtest/gtest.h>

#include <ostream>

// GoogleTest prints Qt strings as text.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace pelora::test {

// A scripted prompter whose failures fail the running GoogleTest test.
inline ScriptedPrompter::FailureSink gtestFailures() {
    return [](const QString& failure) { ADD_FAILURE() << failure.toStdString(); };
}

} // namespace pelora::test
