#include "admin/layouts/LinkList.h"

#include "admin/layouts/ButtonEditor.h"
#include "admin/layouts/EditedSalesScreen.h"
#include "common/Placeholders.h"
#include "common/Prompter.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "db/StoredProc.h"

namespace pelora {

namespace {

const QString kDuplicateLink = QStringLiteral("Duplicate Link");

// Every column of a button but its id and page, copied as it stands (nulls stay null).
const QStringList kCopiedColumns = {QStringLiteral("itemid"),   QStringLiteral("linkidlink"), QStringLiteral("btncaption"),
                                    QStringLiteral("boxcolour"), QStringLiteral("boxleft"),    QStringLiteral("boxtop"),
                                    QStringLiteral("boxwidth"),  QStringLiteral("boxheight"),  QStringLiteral("imageid"),
                                    QStringLiteral("imagelrtb")};

} // namespace

LinkList::LinkList(ButtonEditor& editor) : NameList(editor.connection()), editor_(editor) {}

void LinkList::load() { read(QStringLiteral("SELECT id, name FROM link ORDER BY name")); }

std::optional<int> LinkList::insertLink() {
    if (!editor_.prompter().confirm(QStringLiteral("Insert new link?")))
        return std::nullopt;
    const int id = findOrMake(QStringLiteral("link"), placeholder::kLink);
    load();
    locateId(id);
    return id;
}

void LinkList::deleteLink() {
    if (isEmpty())
        return;
    Prompter& prompter = editor_.prompter();
    if (currentId() == kKeptLink) {
        prompter.warning(QStringLiteral("This link must remain."));
        return;
    }
    if (!prompter.confirm(QStringLiteral("Delete the link record from every layout?")))
        return;
    deleteCurrent(QStringLiteral("link"));
    load();
    editor_.rebuildCache();
    EditedSalesScreen& screen = editor_.screen();
    const int shown = screen.shownLink();
    const bool pageStays =
        screen.buttonsCached()
            ? screen.cachedPageHasButtons(shown)
            : !db_.run(QStringLiteral("SELECT id FROM li WHERE linkid = ?"), {shown}).rows.empty();
    if (pageStays)
        screen.redrawLink();
    else
        screen.resetToFirstLink();
    editor_.reselect();
}

std::optional<int> LinkList::duplicateLink() {
    Prompter& prompter = editor_.prompter();
    if (isEmpty()) {
        prompter.information(QStringLiteral("First insert a link."));
        return std::nullopt;
    }
    const int source = currentId();
    if (!prompter.confirm(QStringLiteral("Duplicate the link: \"") + currentName() + QStringLiteral("\"?")))
        return std::nullopt;
    const db::ResultData existing =
        db_.run(QStringLiteral("SELECT id FROM link WHERE name = ?"), {kDuplicateLink});
    if (!existing.rows.empty() &&
        !prompter.confirm(u'"' + kDuplicateLink + QStringLiteral("\" already exists, overwrite it?")))
        return std::nullopt;

    int target = 0;
    int copied = 0;
    {
        db::Transaction transaction(db_);
        // The source is read first, so that duplicating the duplicate itself keeps its buttons.
        db::Query lines(db_);
        lines.setSql(QStringLiteral("SELECT * FROM li WHERE linkid = ? ORDER BY id"));
        lines.open({source});
        if (!existing.rows.empty()) {
            target = static_cast<int>(existing.rows.front().front().asInt());
            db_.run(QStringLiteral("DELETE FROM li WHERE linkid = ?"), {target});
        } else {
            target = db::StoredProc(db_).nextId(QStringLiteral("link"));
            db_.run(QStringLiteral("INSERT INTO link (id, name) VALUES (?, ?)"), {target, kDuplicateLink});
        }
        const QString insert = QStringLiteral("INSERT INTO li (id, linkid, %1) VALUES (?, ?%2)")
                                   .arg(kCopiedColumns.join(QStringLiteral(", ")),
                                        QStringLiteral(", ?").repeated(kCopiedColumns.size()));
        for (int r = 0; r < lines.rowCount(); ++r) {
            lines.moveTo(r);
            std::vector<db::Value> values{db::StoredProc(db_).nextId(QStringLiteral("li")), target};
            for (const QString& column : kCopiedColumns)
                values.push_back(lines.value(column));
            db_.run(insert, values);
            ++copied;
        }
        transaction.commit();
    }
    if (copied == 0)
        prompter.information(QStringLiteral("No lines to duplicate."));
    load();
    locateId(target);
    // The cache rows of the pages after the duplicate's may have moved: the page is drawn
    // again so that its buttons point at their own rows.
    editor_.rebuildCache();
    editor_.screen().redrawLink();
    editor_.reselect();
    return copied ? std::optional<int>(target) : std::nullopt;
}

void LinkList::renamed() {
    load();
    editor_.rebuildCache();
    editor_.screen().redrawLink();
    editor_.reselect();
}

} // namespace pelora
