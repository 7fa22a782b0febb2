#pragma once

#include <QString>

namespace pelora::placeholder {

// The names the back office gives a new row until the manager names it. A row that still
// carries one (in any letter case) is unfinished, or left behind by an editor that was closed
// or stopped half-way: the sales screen and the choosers never offer it, so that a waiter
// cannot take money as "New MOP" or seat guests at "New Tab".
inline const QString kMop = QStringLiteral("New MOP");
inline const QString kDisc = QStringLiteral("New Disc");
inline const QString kStaff = QStringLiteral("New Staff");
inline const QString kLink = QStringLiteral("New Link");
inline const QString kItem = QStringLiteral("New Item");
inline const QString kLayout = QStringLiteral("New Layout");
inline const QString kPc = QStringLiteral("New PC");
inline const QString kImage = QStringLiteral("New Image");
inline const QString kOutput = QStringLiteral("New Output");
inline const QString kDevice = QStringLiteral("New Device");
inline const QString kTab = QStringLiteral("New Tab");
inline const QString kMap = QStringLiteral("New Map");
inline const QString kSplit = QStringLiteral("New Split");
inline const QString kChoice = QStringLiteral("New Choice");

// Whether a row's name is the placeholder `placeholder`, in any letter case.
inline bool isPlaceholder(const QString& name, const QString& placeholder) {
    return name.compare(placeholder, Qt::CaseInsensitive) == 0;
}

// A condition that leaves out the placeholder `name` from the rows of `column`, with the text
// it is compared with as its one parameter: "COALESCE(UPPER(name), '') <> ?".
inline QString leftOut(const QString& column) {
    return QStringLiteral("COALESCE(UPPER(%1), '') <> ?").arg(column);
}
// The parameter of leftOut().
inline QString comparedAs(const QString& name) { return name.toUpper(); }

} // namespace pelora::placeholder
