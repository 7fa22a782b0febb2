#pragma once

#include "admin/terminals/TerminalEditor.h"
#include "admin/TRecordEditorForm.h"

#include <QString>
#include <vector>

class QComboBox;
class QGroupBox;

namespace pelora {

// The terminal editor: each till's reference, image folder, layout, map, manual-register
// output, stock refresh and its docket, check, drawer, layout-button and no-sale settings, each
// setting a group of choices. The till takes the changes at the next application reset.
class TPCForm : public TRecordEditorForm {
    Q_OBJECT
public:
    // `imageFolder` is this terminal's image folder, where "Browse" opens; `pcRef` the PCRef
    // this till runs as.
    TPCForm(db::Connection& db, Prompter& prompter, const QString& imageFolder,
            const QString& pcRef, QWidget* parent = nullptr);

    TerminalEditor& terminals() { return static_cast<TerminalEditor&>(editor()); }

    void btnBrowseClick();

    QLineEdit* edtPCRef;
    QLineEdit* edtImagePath;
    QPushButton* btnBrowse;
    QComboBox* cboLayout;
    QComboBox* cboMap;
    QComboBox* cboOutput;
    QLineEdit* edtRefreshRate;
    // One group per setting, in the order of the window; each named "grp" + its column.
    std::vector<QGroupBox*> modeGroups;

private:
    QString imageFolder_;
};

// The console's "PC": the terminal editor, shown modally on this till's own row.
void openPCForm(db::Connection& db, Prompter& prompter, const QString& imageFolder,
                const QString& pcRef, QWidget* parent);

} // namespace pelora
