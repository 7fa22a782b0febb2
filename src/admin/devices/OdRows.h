#pragma once

#include "admin/RecordEditor.h"

namespace pelora {

class Spooler;

// The `od` rows of every terminal, each binding one output to one device with the framing its
// papers print with, and the output's and device's names beside them. Linking makes a row for
// this terminal (its PCRef can then be changed). A row is written only when each of its four
// code strings is one the printing can decode, so a slip is found while setting up, not in the
// middle of service. "Test Print" sends a short sample paper through the row as it is typed.
class OdRows : public RecordEditor {
public:
    OdRows(db::Connection& db, Prompter& prompter);

    // The down arrow: a new row of this output and device for this terminal, made current.
    // False (the operator told) when either list is empty.
    bool link(int outputId, int deviceId, const QString& pcRef);
    // The up arrow: the current row goes after the operator agrees.
    void unlink();

    // The code strings of a row, in the dialog's order: column and caption.
    struct CodeField {
        QString column;
        QString caption;
    };
    static const std::vector<CodeField>& codeFields();

    // Prints the sample paper on the current row's device, framed by the row's settings as
    // they now stand (typed, not yet written). A bad code string is refused with the warning
    // Submit gives; printer failures are thrown, as on any paper. The printer it went to, or
    // an empty text when nothing went out whole.
    QString testPrint(Spooler& spooler);

protected:
    std::optional<QString> refusal() override;

private:
    // The current row as an entry of the output-device table.
    std::vector<QString> entry() const;
};

// How many `od` rows the terminal `pcRef` has.
int outputDeviceCount(db::Connection& db, const QString& pcRef);
// Gives terminal `toRef` a copy of every `od` row of terminal `fromRef`, framing and all, each
// with an id of its own; runs in the caller's transaction. How many rows were copied.
int copyOutputDevices(db::Connection& db, const QString& fromRef, const QString& toRef);

// The body of the sample paper, `width` characters wide: what it is and where it went, then a
// few lines laid out as on a docket.
QStringList testPaperLines(int width, const QString& output, const QString& device);

} // namespace pelora
