#include "admin/layouts/TLayoutForm.h"

#include "admin/layouts/LayoutEditing.h"
#include "common/PictureFiles.h"
#include "db/Connection.h"
#include "ui/TouchWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

namespace {

constexpr int kModeColumns = 6;

QWidget* row(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* holder = new QWidget(parent);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch(1);
    return holder;
}

} // namespace

TLayoutForm::TLayoutForm(db::Connection& db, Prompter& prompter, const QString& imageFolder, QWidget* parent)
    : TRecordEditorForm(std::make_unique<RecordEditor>(db, prompter, layoutMember()), prompter, parent),
      imageFolder_(imageFolder) {
    setObjectName(QStringLiteral("LayoutForm"));
    setWindowTitle(tr("Layouts"));
    grpDetails->setTitle(tr("Layout"));
    narrowList(140); // the modes need the room
    auto* form = static_cast<QFormLayout*>(grpDetails->layout());

    edtName = new QLineEdit(grpDetails);
    edtName->setObjectName(QStringLiteral("edtName"));
    bindText(edtName, QStringLiteral("name"), 20);

    cboLink = new QComboBox(grpDetails);
    cboLink->setObjectName(QStringLiteral("cboLink"));
    std::vector<Choice> links;
    for (const db::Row& r : db.run(QStringLiteral("SELECT id, name FROM link ORDER BY name")).rows)
        links.push_back({r[1].asText(), r[0]});
    bindCombo(cboLink, QStringLiteral("linkid"), links);

    edtFileName = new QLineEdit(grpDetails);
    edtFileName->setObjectName(QStringLiteral("edtFileName"));
    bindText(edtFileName, QStringLiteral("filename"), kPictureNameLength);
    btnBrowse = touchButton(tr("Browse"), QStringLiteral("btnBrowse"), grpDetails);
    connect(btnBrowse, &QPushButton::clicked, this, [this] { btnBrowseClick(); });

    cboCharset = new QComboBox(grpDetails);
    cboCharset->setObjectName(QStringLiteral("cboCharset"));
    std::vector<Choice> charsets;
    for (const QString& name : layoutCharsets())
        charsets.push_back({name, name});
    bindCombo(cboCharset, QStringLiteral("charset"), charsets);

    cboItemFontSize = numberBox(QStringLiteral("cboItemFontSize"), layoutFontSizes(), QStringLiteral("libtnfsize"));
    cboTabFontSize = numberBox(QStringLiteral("cboTabFontSize"), layoutFontSizes(), QStringLiteral("tmbtnfsize"));
    cboRestartMins = numberBox(QStringLiteral("cboRestartMins"), layoutRestartMinutes(), QStringLiteral("restartmins"));

    edtManRegCostRate = new QLineEdit(grpDetails);
    edtManRegCostRate->setObjectName(QStringLiteral("edtManRegCostRate"));
    bindNumber(edtManRegCostRate, QStringLiteral("manregcostrate"));
    edtManRegTaxRate = new QLineEdit(grpDetails);
    edtManRegTaxRate->setObjectName(QStringLiteral("edtManRegTaxRate"));
    bindNumber(edtManRegTaxRate, QStringLiteral("manregtaxrate"));
    for (QLineEdit* rate : {edtManRegCostRate, edtManRegTaxRate})
        rate->setMaximumWidth(70);

    // The plain settings in two columns, the modes under them.
    auto* left = new QFormLayout;
    left->addRow(tr("Name"), edtName);
    left->addRow(tr("Starting Link"), cboLink);
    left->addRow(tr("Image Filename"), row(grpDetails, {edtFileName, btnBrowse}));
    left->addRow(tr("Alternative Character Set"), cboCharset);
    auto* right = new QFormLayout;
    right->addRow(tr("Button Font Size"),
                  row(grpDetails, {new QLabel(tr("Item"), grpDetails), cboItemFontSize,
                                   new QLabel(tr("Tab"), grpDetails), cboTabFontSize}));
    right->addRow(tr("Restart Mins"), cboRestartMins);
    right->addRow(tr("Man Reg Rates"), row(grpDetails, {new QLabel(tr("Cost:"), grpDetails), edtManRegCostRate,
                                                       new QLabel(tr("Tax:"), grpDetails), edtManRegTaxRate}));
    auto* settings = new QHBoxLayout;
    settings->addLayout(left, 1);
    settings->addLayout(right, 1);
    form->addRow(settings);

    auto* modes = new QGridLayout;
    int index = 0;
    for (const LayoutModeChoice& mode : layoutModeChoices()) {
        QGroupBox* box = choiceGroup(grpDetails, mode.caption, mode.column, mode.choices);
        static_cast<QVBoxLayout*>(box->layout())->addStretch(1);
        modes->addWidget(box, index / kModeColumns, index % kModeColumns);
        modeGroups.push_back(box);
        ++index;
    }
    form->addRow(modes);
    setFirstField(edtName);
    modes->setHorizontalSpacing(4);
    modes->setVerticalSpacing(4);
    resize(1000, 700);
}

QComboBox* TLayoutForm::numberBox(const QString& objectName, const std::vector<int>& offered, const QString& column) {
    auto* box = new QComboBox(grpDetails);
    box->setObjectName(objectName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaximumWidth(75);
    std::vector<Choice> choices;
    for (int n : offered)
        choices.push_back({QString::number(n), n});
    bindCombo(box, column, choices, true);
    return box;
}

void TLayoutForm::btnBrowseClick() {
    browsePicture(edtFileName, QStringLiteral("filename"), tr("Image Filename"), imageFolder_);
}

} // namespace pelora
