#include "sales/TTabOpenForm.h"

#include "sales/OpenTabs.h"
#include "ui/GeneralError.h"
#include "ui/GlyphButton.h"
#include "ui/TouchWidgets.h"

#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pelora {

namespace {
constexpr const char* kTabId = "tabId";
} // namespace

TTabOpenForm::TTabOpenForm(db::Connection& db, Prompter& prompter, Choose choose, QWidget* parent)
    : QDialog(parent), prompter_(prompter), choose_(std::move(choose)) {
    setObjectName(QStringLiteral("TabOpenForm"));
    setWindowTitle(QStringLiteral("TabOpenForm"));
    setModal(true);

    scrTabs = new QScrollArea(this);
    scrTabs->setObjectName(QStringLiteral("scrTabs"));
    auto* canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("pnlTabs"));
    const OpenTabs openTabs = OpenTabs::read(db);
    const db::TextTable& open = openTabs.rows();
    for (int r = 0; r < open.rowCount(); ++r) {
        auto* b = new GlyphButton(open.at(r, OpenTabs::Ref), canvas);
        b->setObjectName(QStringLiteral("btnOpenTab"));
        b->setProperty(kTabId, open.at(r, OpenTabs::TabId).toInt());
        placeInButtonColumn(b, r);
        connect(b, &QPushButton::clicked, this, [this, b] { tabButtonClick(b); });
        tabButtons.push_back(b);
    }
    canvas->resize(buttonColumnSize(open.rowCount()));
    scrTabs->setWidget(canvas);
    scrTabs->setMinimumSize(buttonColumnSize(0).width() + 25, 320);

    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrTabs, 1);
    layout->addWidget(btnClose);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TTabOpenForm::tabButtonClick(QPushButton* button) {
    const int tabId = button->property(kTabId).toInt();
    if (tabId <= 0)
        return;
    bool chosen = false;
    runReportingFailures(prompter_, [&] {
        choose_(tabId, static_cast<GlyphButton*>(button)->caption());
        chosen = true;
    });
    if (chosen)
        accept();
}

} // namespace pelora
