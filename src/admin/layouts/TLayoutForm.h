#pragma once

#include "admin/TRecordEditorForm.h"

#include <QString>

#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;

namespace pelora {

// The layout editor: a layout's name, starting link, background picture, character set, font
// sizes, restart minutes, manual-register rates and every mode, each mode a group of choices.
class TLayoutForm : public TRecordEditorForm {
    Q_OBJECT
public:
    // `imageFolder` is this terminal's picture folder, where "Browse" opens.
    TLayoutForm(db::Connection& db, Prompter& prompter, const QString& imageFolder, QWidget* parent = nullptr);

    void btnBrowseClick();

    QLineEdit* edtName;
    QComboBox* cboLink;
    QLineEdit* edtFileName;
    QPushButton* btnBrowse;
    QComboBox* cboCharset;
    QComboBox* cboItemFontSize;
    QComboBox* cboTabFontSize;
    QComboBox* cboRestartMins;
    QLineEdit* edtManRegCostRate;
    QLineEdit* edtManRegTaxRate;
    // One group per mode, in the order of the mode table; each named "grp" + its column.
    std::vector<QGroupBox*> modeGroups;

private:
    QComboBox* numberBox(const QString& objectName, const std::vector<int>& offered, const QString& column);

    QString imageFolder_;
};

} // namespace pelora
