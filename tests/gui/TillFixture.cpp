#include "TillFixture.h"

#include "ModalWatcher.h"
#include "db/Query.h"
#include "payment/TMopChoiceForm.h"
#include "payment/TTenderedForm.h"
#include "print/MemorySpooler.h"
#include "sales/ItemGrid.h"
#include "sales/ItemPage.h"
#include "sales/TabPage.h"
#include "ui/GlyphButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace pelora::test {

QStringList listedTexts(const QListWidget& list) {
    QStringList texts;
    for (int r = 0; r < list.count(); ++r)
        texts << list.item(r)->text();
    return texts;
}

QStringList chosenInGroups(const std::vector<QGroupBox*>& groups) {
    QStringList chosen;
    for (QGroupBox* group : groups)
        for (QRadioButton* r : group->findChildren<QRadioButton*>())
            if (r->isChecked())
                chosen << group->title() + QLatin1Char('=') + r->text();
    return chosen;
}

void typeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

void TillTest::SetUp() { db.connect(site.admin1()); }

void TillTest::payInCash(QAbstractButton* payment, const QString& tendered) {
    whenOpens<TMopChoiceForm>(QStringLiteral("MopChoiceForm"), [tendered](TMopChoiceForm& chooser) {
        whenOpens<TTenderedForm>(QStringLiteral("TenderedForm"), [tendered](TTenderedForm& tender) {
            for (QChar key : tendered)
                tender.buttontag(key);
            tender.btnProcess->click();
        });
        chooser.mopButton(QStringLiteral("Cash"))->click();
    });
    payment->click();
    settle();
}

void TillTest::TearDown() {
    module.reset();
    form.reset();
    cwd.reset();
    settle();
}

bool TillTest::start(const QString& pcRef) {
    site.writeIni(pcRef, site.dbPath());
    return startAsItIs();
}

bool TillTest::startAsItIs() {
    cwd = std::make_unique<CurrentDirectory>(site.folder());
    form = std::make_unique<TMainForm>(prompter);
    form->setBeep([this] { ++beeps; });
    module = std::make_unique<TMainDataModule>(*form, prompter);
    return module->MainDataModuleCreate();
}

void TillTest::reload() {
    prompter.expectConfirm(QStringLiteral("Reset the application?"), true);
    module->ApplicationReset();
    settle();
}

void TillTest::relayout(const QString& assignments) {
    sql(QStringLiteral("UPDATE layout SET ") + assignments + QStringLiteral(" WHERE id = 2"));
    reload();
}

MemorySpooler& TillTest::printIntoMemory() {
    auto memory = std::make_unique<MemorySpooler>();
    memory->installed = {QStringLiteral("Docket"), QStringLiteral("Kitchen"), QStringLiteral("BarPrinter")};
    MemorySpooler& spooler = *memory;
    module->setSpooler(std::move(memory));
    return spooler;
}

GlyphButton* TillTest::tabButton(const QString& caption) const {
    for (GlyphButton* b : form->pgeTab->tabButtons)
        if (b->caption() == caption)
            return b;
    ADD_FAILURE() << "no tab button " << caption.toStdString();
    return nullptr;
}

void TillTest::touchTab(const QString& caption) {
    if (GlyphButton* b = tabButton(caption))
        b->click();
    settle();
}

void TillTest::touchItem(const QString& caption) {
    for (QPushButton* b : form->pgeItem->grid->buttons)
        if (static_cast<GlyphButton*>(b)->caption() == caption) {
            b->click();
            settle();
            return;
        }
    ADD_FAILURE() << "no item button " << caption.toStdString();
}

void TillTest::drag(QWidget* button, std::initializer_list<QPoint> by) {
    const QPoint pressed = button->mapToGlobal(button->rect().center());
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    QPoint last = pressed;
    for (QPoint step : by) {
        last = pressed + step;
        QTest::mouseMove(button, button->mapFromGlobal(last));
    }
    QTest::mouseRelease(button, Qt::LeftButton, {}, button->mapFromGlobal(last));
    settle();
}

QString TillTest::pictureFolder(const std::vector<std::pair<QString, QSize>>& pictures) {
    const QString folder = site.folder() + QStringLiteral("/images/");
    QDir().mkpath(folder);
    for (const auto& [name, size] : pictures) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        EXPECT_TRUE(picture.save(folder + name)) << name.toStdString();
    }
    sql(QStringLiteral("UPDATE pc SET imagepath = ?"), {folder});
    return folder;
}

void TillTest::settle() { QCoreApplication::processEvents(); }

void TillTest::sql(const QString& statement, std::vector<db::Value> params) {
    db::Query q(db);
    q.setSql(statement);
    q.exec(std::move(params));
}

QString TillTest::scalar(const QString& statement, std::vector<db::Value> params) {
    db::Query q(db);
    q.setSql(statement);
    q.open(std::move(params));
    return q.value(0).asText();
}

} // namespace pelora::test
