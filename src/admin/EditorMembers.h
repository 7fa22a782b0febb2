#pragma once

#include "admin/RecordEditorMember.h"

namespace pelora {

// The warning of a write the database refused for a duplicate: "Could not save the changes."
// and, on a line of its own, "Make sure Name is Unique." (`column` "Name").
QString uniqueWarning(const QString& column);

// The payment methods the chooser offers; method 1 (account credit) is never listed.
RecordEditorMember mopMember();
// The discounts; discount 1 is never listed.
RecordEditorMember discMember();
// The staff who log in; staff 1 must remain.
RecordEditorMember staffMember();
// The name of one link (its `id` the one parameter of the select); link 1 must remain.
RecordEditorMember linkMember();
// The sellable items with their prices, options, codes and output; item 1 is never listed.
RecordEditorMember itemMember();
// The statement of the item list, narrowed by a further condition when one is given.
QString itemSelect(const QString& condition);

} // namespace pelora
