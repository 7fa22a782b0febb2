#include "admin/devices/OdRows.h"

#include "common/Prompter.h"
#include "db/Connection.h"
#include "db/StoredProc.h"
#include "print/CodeString.h"
#include "print/DocketLayout.h"
#include "print/OutputDeviceTable.h"
#include "print/PrintFrame.h"

namespace pelora {

namespace {

constexpr int kLongestText = 250; // `od`.`htext` and `ftext`

RecordEditorMember odMember() {
    RecordEditorMember m;
    m.table = QStringLiteral("od");
    m.selectSql = QStringLiteral(
        "SELECT od.id, od.pcref, od.outputid, od.deviceid, od.begincode1, od.begincode2, od.endcode1,"
        " od.endcode2, od.ejectlines, od.htext, od.hfont, od.hcpl, od.halign, od.bfont, od.bcpl, od.ftext,"
        " od.ffont, od.fcpl, od.falign, output.name AS outputname, device.name AS devicename, device.cat"
        " FROM od LEFT OUTER JOIN output ON od.outputid = output.id"
        " LEFT OUTER JOIN device ON od.deviceid = device.id ORDER BY od.id");
    m.nameColumn = QStringLiteral("pcref");
    m.nameLabel = QStringLiteral("PCRef");
    m.deleteQuestion = QStringLiteral("Remove OD line?");
    m.writeFailure = QStringLiteral("Could not save the changes.");
    return m;
}

} // namespace

OdRows::OdRows(db::Connection& db, Prompter& prompter) : RecordEditor(db, prompter, odMember()) {}

const std::vector<OdRows::CodeField>& OdRows::codeFields() {
    static const std::vector<CodeField> fields{{QStringLiteral("begincode1"), QStringLiteral("BeginCode1")},
                                               {QStringLiteral("begincode2"), QStringLiteral("BeginCode2")},
                                               {QStringLiteral("endcode1"), QStringLiteral("EndCode1")},
                                               {QStringLiteral("endcode2"), QStringLiteral("EndCode2")}};
    return fields;
}

bool OdRows::link(int outputId, int deviceId, const QString& pcRef) {
    if (outputId <= 0) {
        prompter().information(QStringLiteral("First add a line to Output."));
        return false;
    }
    if (deviceId <= 0) {
        prompter().information(QStringLiteral("First add a line to Device."));
        return false;
    }
    if (isEditing() && !save())
        return false;
    const int id = db::StoredProc(connection()).nextId(QStringLiteral("od"));
    connection().run(QStringLiteral("INSERT INTO od (id, pcref, outputid, deviceid) VALUES (?, ?, ?, ?)"),
                     {id, pcRef, outputId, deviceId});
    load();
    return locateId(id);
}

int outputDeviceCount(db::Connection& db, const QString& pcRef) {
    return static_cast<int>(
        db.run(QStringLiteral("SELECT COUNT(*) FROM od WHERE pcref = ?"), {pcRef}).rows.at(0).at(0).asInt());
}

int copyOutputDevices(db::Connection& db, const QString& fromRef, const QString& toRef) {
    static const QString kColumns = QStringLiteral(
        "outputid, deviceid, begincode1, begincode2, endcode1, endcode2, ejectlines, htext, hfont, hcpl, halign,"
        " bfont, bcpl, ftext, ffont, fcpl, falign");
    const db::ResultData rows = db.run(QStringLiteral("SELECT id FROM od WHERE pcref = ? ORDER BY id"), {fromRef});
    db::StoredProc proc(db);
    for (const db::Row& row : rows.rows)
        db.run(QStringLiteral("INSERT INTO od (id, pcref, %1) SELECT CAST(? AS INTEGER), CAST(? AS VARCHAR(20)), %1 FROM od WHERE id = ?").arg(kColumns),
               {proc.nextId(QStringLiteral("od")), toRef, row.at(0)});
    return static_cast<int>(rows.rows.size());
}

void OdRows::unlink() {
    if (isEmpty()) {
        prompter().information(QStringLiteral("OD table is empty."));
        return;
    }
    deleteRow();
}

std::optional<QString> OdRows::refusal() {
    for (const CodeField& field : codeFields()) {
        const QString fault = codeStringFault(rows().value(field.column).asText());
        if (!fault.isEmpty())
            return QStringLiteral("%1 is not a valid code string: %2.").arg(field.caption, fault);
    }
    for (const auto& [column, caption] : {std::pair{u"htext", "Header Text"}, std::pair{u"ftext", "Footer Text"}})
        if (rows().value(QStringView(column)).asText().size() > kLongestText)
            return QStringLiteral("%1 cannot be longer than %2 characters.")
                .arg(QLatin1String(caption))
                .arg(kLongestText);
    return std::nullopt;
}

std::vector<QString> OdRows::entry() const {
    std::vector<QString> texts(OutputDeviceTable::ColumnCount);
    const auto text = [this](const char16_t* column) { return rows().value(QStringView(column)).asText(); };
    // Numbers as whole numbers, as the table holds them when it is loaded.
    const auto number = [this](const char16_t* column) {
        const db::Value& v = rows().value(QStringView(column));
        return v.isNull() ? QString() : QString::number(v.asInt());
    };
    using T = OutputDeviceTable;
    texts[T::Id] = text(u"id");
    texts[T::OutputName] = text(u"outputname");
    texts[T::DeviceName] = text(u"devicename");
    texts[T::Cat] = text(u"cat");
    texts[T::BeginCode1] = text(u"begincode1");
    texts[T::BeginCode2] = text(u"begincode2");
    texts[T::EndCode1] = text(u"endcode1");
    texts[T::EndCode2] = text(u"endcode2");
    texts[T::EjectLines] = number(u"ejectlines");
    texts[T::HText] = text(u"htext");
    texts[T::HFont] = text(u"hfont");
    texts[T::HCpl] = number(u"hcpl");
    texts[T::HAlign] = text(u"halign");
    texts[T::BFont] = text(u"bfont");
    texts[T::BCpl] = number(u"bcpl");
    texts[T::FText] = text(u"ftext");
    texts[T::FFont] = text(u"ffont");
    texts[T::FCpl] = number(u"fcpl");
    texts[T::FAlign] = text(u"falign");
    return texts;
}

QString OdRows::testPrint(Spooler& spooler) {
    if (isEmpty())
        return {};
    if (const std::optional<QString> refused = refusal()) {
        prompter().warning(*refused);
        return {};
    }
    const std::vector<QString> texts = entry();
    const OutputFrame frame = OutputFrame::of(texts, spooler);
    if (!frame.prints()) {
        prompter().information(QStringLiteral("Nothing was printed: Body CPL must be above 0."));
        return {};
    }
    const QStringList lines = testPaperLines(frame.bodyWidth, texts[OutputDeviceTable::OutputName],
                                             texts[OutputDeviceTable::DeviceName]);
    const bool whole = printPaper(spooler, frame, [&lines](Paper& paper) {
        for (const QString& line : lines)
            paper.line(line);
    });
    // During service a refused send ends the paper quietly; a test is there to say so.
    if (!whole)
        prompter().warning(QStringLiteral("Test Print to %1 did not go out whole: check the printer.").arg(frame.printer));
    return whole ? frame.printer : QString();
}

QStringList testPaperLines(int width, const QString& output, const QString& device) {
    using namespace docket;
    QStringList lines{QStringLiteral("Test Print"), QStringLiteral("Output:") + output,
                      QStringLiteral("Device:") + device, columnHeader(width)};
    lines << itemLine(1, QStringLiteral("Pale Ale"), Money::fromDouble(7.5), true, width);
    lines << itemLine(2, QStringLiteral("Burger"), Money::fromDouble(36), true, width);
    lines << detailLines(QStringLiteral("No onion + Extra cheese"), width);
    lines << summaryLine(QStringLiteral("Total:"), Money::fromDouble(43.5), width);
    lines << QString(width, u'-');
    return lines;
}

} // namespace pelora
