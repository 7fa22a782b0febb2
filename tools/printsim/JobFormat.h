#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace pelora::printsim {

// A job as readable text. Printable ASCII stays as it is; CR LF, or LF alone, ends a line. Every
// other byte is shown in angle brackets: the common controls by name (<NUL> <HT> <FF> <CR>
// <DLE> <CAN> <ESC> <FS> <GS>, <CR> only when no LF follows it), any other byte by its decimal
// value, so ESC p 0 25 250 reads <ESC>p<NUL><25><250>. Text not ended by a line end gets one.
QString readableText(const QByteArray& job);

// What a kept job's file name holds: "<printer>-<yyyyMMdd-HHmmss>-<number>.prn".
struct JobName {
    QString printer;
    QDateTime received; // to the second
    int number = 0;
};

QString jobFileName(const JobName& job);

// The parts of a job file name (without its folder); nothing for any other file.
std::optional<JobName> parseJobFileName(const QString& fileName);

// Printer names go into file names: letters, digits, '_' and '-' only.
bool isValidPrinterName(const QString& name);

} // namespace pelora::printsim
