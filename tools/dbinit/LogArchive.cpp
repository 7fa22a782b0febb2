#include "LogArchive.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "reports/ReportExport.h"

#include <QFile>
#include <QSaveFile>

namespace pelora::dbinit {

namespace {

const QString kColumns =
    QStringLiteral("id, stamp, pcref, staffref, approver, kind, tabref, itemname, qty, amount, detail");

// Texts as the reports' export quotes them; numbers and time stamps as plain text, which no
// spreadsheet reads as a formula.
QString csvValue(const db::Value& value) {
    if (value.kind() == db::Value::Kind::Text)
        return report::csvField({value.asText(), {}});
    return value.asText();
}

} // namespace

bool archiveLog(const InitOptions& options, int months, const QString& file, QTextStream& out,
                QTextStream& err) {
    if (months < 1) {
        err << "Give the number of months to keep in the log: 1 or more.\n";
        return false;
    }
    if (QFile::exists(file)) {
        err << file << " already exists: pelora-dbinit never overwrites an archive.\n";
        return false;
    }
    db::Connection db;
    if (!attachTillDatabase(db, options, err))
        return false;
    try {
        if (db.run(QStringLiteral("SELECT 1 FROM rdb$relations WHERE rdb$relation_name = 'EVENTLOG'"))
                .rows.empty()) {
            err << options.database << " has no exception log yet: run pelora-dbinit --upgrade "
                                       "on it first.\n";
            return false;
        }
        db::Transaction tx(db);
        // One cut-off for both the reading and the removal.
        const db::Value cutOff =
            db.run(QStringLiteral("SELECT DATEADD(MONTH, ?, CURRENT_TIMESTAMP) FROM rdb$database"),
                   {-months})
                .rows.at(0)
                .at(0);
        const auto entries = db.run(
            QStringLiteral("SELECT %1 FROM eventlog WHERE stamp < ? ORDER BY id").arg(kColumns),
            {cutOff});
        if (entries.rows.empty()) {
            out << "No entry of the log is older than " << months << " month(s): nothing was archived.\n";
            return true;
        }

        QSaveFile csv(file);
        if (!csv.open(QIODevice::WriteOnly)) {
            err << "Cannot write " << file << ": " << csv.errorString() << "\nNothing was removed.\n";
            return false;
        }
        csv.write(QString(kColumns).remove(u' ').toUtf8() + "\r\n");
        for (const db::Row& row : entries.rows) {
            QStringList fields;
            for (const db::Value& value : row)
                fields << csvValue(value);
            csv.write(fields.join(u',').toUtf8() + "\r\n");
        }
        if (!csv.commit()) { // flushed to the disk before it takes the file's name
            err << "Cannot write " << file << ": " << csv.errorString() << "\nNothing was removed.\n";
            return false;
        }
        try {
            const auto last = entries.rows.back().front();
            const auto removed = db.run(
                QStringLiteral("DELETE FROM eventlog WHERE stamp < ? AND id <= ?"), {cutOff, last});
            if (removed.rowsAffected != static_cast<long long>(entries.rows.size()))
                throw db::DbError(QStringLiteral("The log changed while it was being archived."));
            tx.commit();
        } catch (const db::DbError&) {
            QFile::remove(file);
            throw;
        }
        out << "Archived " << entries.rows.size() << " entries older than " << months
            << " month(s) to " << file << " and removed them from the log.\n";
        return true;
    } catch (const db::DbError& e) {
        err << e.text() << "\nNothing was removed from the log.\n";
        return false;
    }
}

} // namespace pelora::dbinit
