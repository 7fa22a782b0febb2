#include "TillFixture.h"

#include "db/Query.h"

#include <QApplication>

namespace pelora::test {

void TillTest::SetUp() { db.connect(site.admin1()); }

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
