#include "admin/terminals/TPCForm.h"

#include "common/PictureFiles.h"
#include "common/Placeholders.h"
#include "db/Connection.h"
#include "ui/FormOpener.h"
#include "ui/TouchWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

namespace {

constexpr int kRefLength = 20;
constexpr int kImagePathLength = 250;
constexpr int kModeColumns = 2; // two columns, so that the window fits a 1024 x 768 screen

// The `id`, `name` rows a setting is chosen from, but for the editor's unfinished placeholder.
std::vector<FieldBindings::Choice> namedChoices(db::Connection& db, const QString& sql, const QString& unfinished) {
    std::vector<FieldBindings::Choice> choices;
    for (const db::Row& r : db.run(sql).rows)
        if (!placeholder::isPlaceholder(r[1].asText(), unfinished))
            choices.push_back({r[1].asText(), r[0]});
    return choices;
}

} // namespace

TPCForm::TPCForm(db::Connection& db, Prompter& prompter, const QString& imageFolder,
                 const QString& pcRef, QWidget* parent)
    : TRecordEditorForm(std::make_unique<TerminalEditor>(db, prompter, pcRef), prompter, parent),
      imageFolder_(imageFolder) {
    setObjectName(QStringLiteral("PCForm"));
    setWindowTitle(QStringLiteral("PCForm"));
    narrowList(160); // the settings need the room
    auto* form = static_cast<QFormLayout*>(grpDetails->layout());

    edtPCRef = new QLineEdit(grpDetails);
    edtPCRef->setObjectName(QStringLiteral("edtPCRef"));
    bindText(edtPCRef, QStringLiteral("ref"), kRefLength);
    form->addRow(tr("PCRef:"), edtPCRef);

    edtImagePath = new QLineEdit(grpDetails);
    edtImagePath->setObjectName(QStringLiteral("edtImagePath"));
    bindText(edtImagePath, QStringLiteral("imagepath"), kImagePathLength);
    btnBrowse = touchButton(tr("Browse"), QStringLiteral("btnBrowse"), grpDetails);
    connect(btnBrowse, &QPushButton::clicked, this, [this] { btnBrowseClick(); });
    auto* imagePath = new QHBoxLayout;
    imagePath->addWidget(edtImagePath, 1);
    imagePath->addWidget(btnBrowse);
    form->addRow(tr("ImagePath:"), imagePath);

    const auto combo = [this, &db, form](const char* objectName, const QString& label,
                                         const QString& column, const QString& sql, const QString& unfinished) {
        auto* box = new QComboBox(grpDetails);
        box->setObjectName(QString::fromLatin1(objectName));
        box->setMinimumHeight(kTouchHeight - 8);
        bindCombo(box, column, namedChoices(db, sql, unfinished));
        form->addRow(label, box);
        return box;
    };
    cboLayout = combo("cboLayout", tr("Layout:"), QStringLiteral("layoutid"),
                      QStringLiteral("SELECT id, name FROM layout ORDER BY name"), placeholder::kLayout);
    cboMap = combo("cboMap", tr("Map:"), QStringLiteral("mapid"),
                   QStringLiteral("SELECT id, name FROM map ORDER BY name"), placeholder::kMap);
    // Output 1 or one of those added; 2 to 100 are the system's own (docket, check, drawer).
    cboOutput =
        combo("cboOutput", tr("Output:"), QStringLiteral("outputid"),
              QStringLiteral("SELECT id, name FROM output WHERE id = 1 OR id > 100 ORDER BY id"), placeholder::kOutput);

    edtRefreshRate = new QLineEdit(grpDetails);
    edtRefreshRate->setObjectName(QStringLiteral("edtRefreshRate"));
    edtRefreshRate->setMaximumWidth(80);
    bindNumber(edtRefreshRate, QStringLiteral("refreshrate"));
    connect(edtRefreshRate, &QLineEdit::textEdited, this,
            [this](const QString& text) { terminals().typedRefreshRate(text); });

    auto* modes = new QGridLayout;
    modes->setHorizontalSpacing(4);
    modes->setVerticalSpacing(4);
    int index = 0;
    for (const LayoutModeChoice& mode : terminalModeChoices()) {
        QGroupBox* box = choiceGroup(grpDetails, mode.caption, mode.column, mode.choices);
        auto* buttons = static_cast<QVBoxLayout*>(box->layout());
        if (mode.column == QLatin1String("refreshmode"))
            buttons->addWidget(edtRefreshRate); // the rate is typed beside its mode
        buttons->addStretch(1);
        modes->addWidget(box, index / kModeColumns, index % kModeColumns);
        modeGroups.push_back(box);
        ++index;
    }
    form->addRow(modes);
    setFirstField(edtPCRef);
    resize(820, 740);
}

void TPCForm::btnBrowseClick() {
    const std::optional<QString> folder =
        choosePictureFolder(editor().prompter(), tr("ImagePath"), imageFolder_, kImagePathLength);
    if (!folder)
        return;
    edited([this, &folder] { editor().setField(QStringLiteral("imagepath"), *folder); });
    edtImagePath->setText(*folder);
}

void openPCForm(db::Connection& db, Prompter& prompter, const QString& imageFolder,
                const QString& pcRef, QWidget* parent) {
    if (auto form = makeFilledForm<TPCForm>(prompter, [&] {
            auto made = std::make_unique<TPCForm>(db, prompter, imageFolder, pcRef, parent);
            made->open();
            made->terminals().locateOwnRow();
            return made;
        }))
        showModal(*form);
}

} // namespace pelora
