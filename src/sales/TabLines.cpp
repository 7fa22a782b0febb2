#include "sales/TabLines.h"

namespace pelora {

TabLines TabLines::of(int tabId, const QString& pcRef) {
    if (tabId == 1 || tabId == 2)
        return {QStringLiteral("tabid = ? AND pcref = ?"), {tabId, pcRef}};
    return {QStringLiteral("tabid = ?"), {tabId}};
}

TabLines TabLines::ofSplit(const std::optional<QString>& splitRef) const {
    TabLines narrowed = *this;
    if (!splitRef)
        narrowed.where += QStringLiteral(" AND splitref <> ''"); // null is left out by the comparison too
    else if (splitRef->isEmpty())
        narrowed.where += QStringLiteral(" AND (splitref = '' OR splitref IS NULL)");
    else {
        narrowed.where += QStringLiteral(" AND splitref = ?");
        narrowed.params.emplace_back(*splitRef);
    }
    return narrowed;
}

bool TabLines::takes(const std::optional<QString>& splitRef, const QString& lineRef) {
    if (!splitRef)
        return !lineRef.isEmpty();
    return lineRef == *splitRef;
}

} // namespace pelora
