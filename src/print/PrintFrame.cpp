#include "print/PrintFrame.h"

#include "print/CodeString.h"
#include "print/OutputDeviceTable.h"
#include "print/Spooler.h"

namespace pelora {

namespace {

const QString kDocumentName = QStringLiteral("MyDocument");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// A send whose result counts failed: the paper ends here.
struct SendRefused {};

class RawDocument : public Paper {
public:
    explicit RawDocument(SpoolJob& job) : job_(job) {}

    // Codes, fonts and line feeds: their result is not looked at.
    void put(const QByteArray& bytes) {
        if (!bytes.isEmpty())
            job_.send(bytes);
    }
    // Texts: a refused one ends the paper.
    void checked(const QByteArray& bytes) {
        if (!job_.send(bytes))
            throw SendRefused{};
    }
    void line(const QString& text) override { checked(printerBytes(text) + kLineEnd); }
    void textLine(const QString& text) {
        if (!text.isEmpty())
            line(text);
    }

private:
    SpoolJob& job_;
};

// Opens the printer, starts the document, lets `send` write it and closes it in every case.
// False when the start or a tested send was refused.
bool runDocument(Spooler& spooler, const QString& printer, const std::function<void(RawDocument&)>& send) {
    std::unique_ptr<SpoolJob> job = spooler.open(printer);
    bool whole = job->start(kDocumentName);
    if (whole) {
        RawDocument document(*job);
        try {
            send(document);
        } catch (const SendRefused&) {
            whole = false;
        } catch (...) {
            job->close();
            throw;
        }
    }
    job->close();
    return whole;
}

int number(const QString& text) { return text.trimmed().toInt(); }

} // namespace

OutputFrame OutputFrame::of(const OutputDeviceTable& outputs, int row, Spooler& spooler) {
    if (row < 0)
        return {};
    return of(outputs.entries().row(row), spooler);
}

OutputFrame OutputFrame::of(const db::TextTable::TextRow& entry, Spooler& spooler) {
    OutputFrame frame;
    const auto at = [&entry](int column) { return entry.at(static_cast<std::size_t>(column)); };
    frame.bodyWidth = number(at(OutputDeviceTable::BCpl));
    if (frame.bodyWidth <= 0)
        return frame;
    frame.printer = resolvePrinter(spooler, at(OutputDeviceTable::DeviceName));
    frame.beginCode1 = decodeCodes(at(OutputDeviceTable::BeginCode1));
    frame.beginCode2 = decodeCodes(at(OutputDeviceTable::BeginCode2));
    frame.endCode1 = decodeCodes(at(OutputDeviceTable::EndCode1));
    frame.endCode2 = decodeCodes(at(OutputDeviceTable::EndCode2));
    frame.ejectLines = number(at(OutputDeviceTable::EjectLines));
    frame.headerText = at(OutputDeviceTable::HText);
    frame.footerText = at(OutputDeviceTable::FText);
    frame.headerFont = printerBytes(at(OutputDeviceTable::HFont));
    frame.bodyFont = printerBytes(at(OutputDeviceTable::BFont));
    frame.footerFont = printerBytes(at(OutputDeviceTable::FFont));
    return frame;
}

bool printPaper(Spooler& spooler, const OutputFrame& frame, const std::function<void(Paper&)>& writeBody) {
    if (!frame.prints())
        return true;
    return runDocument(spooler, frame.printer, [&](RawDocument& doc) {
        doc.put(frame.beginCode1);
        doc.put(frame.beginCode2);
        doc.put(frame.headerFont);
        doc.textLine(frame.headerText);
        doc.put(frame.bodyFont);
        writeBody(doc);
        doc.put(frame.footerFont);
        doc.textLine(frame.footerText);
        doc.put(QByteArray(qBound(0, frame.ejectLines, 255), '\n')); // a mistyped count feeds no roll of paper
        doc.put(frame.endCode1);
        doc.put(frame.endCode2);
    });
}

void printLinesPaper(Spooler& spooler, const OutputFrame& frame, const QStringList& lines, const QString& paper) {
    const bool whole = printPaper(spooler, frame, [&lines](Paper& doc) {
        for (const QString& line : lines)
            doc.line(line);
    });
    if (!whole)
        throw PrintError(QStringLiteral("Printer %1 did not take %2.").arg(frame.printer, paper));
}

void printRaw(Spooler& spooler, const QString& printer, const QByteArray& first, const QByteArray& second) {
    if (printer.isEmpty())
        return;
    runDocument(spooler, printer, [&](RawDocument& doc) {
        doc.put(first);
        doc.put(second);
    });
}

} // namespace pelora
