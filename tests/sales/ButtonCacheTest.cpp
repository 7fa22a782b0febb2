#include "db/Query.h"
#include "db/ServerClock.h"
#include "sales/ButtonCache.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <QThread>

using namespace pelora;

namespace {

class StockRefresh : public test::DemoDatabaseTest {
protected:
    void SetUp() override {
        DemoDatabaseTest::SetUp();
        other.connect(database.admin1());
        cache.load(db);
        lastRefresh = clock.now();
    }
    // The quantity texts of every cached button of an item.
    QStringList quantities(const QString& itemId) const {
        QStringList q;
        for (const auto& row : cache.rows().rows())
            if (row[ButtonCache::ItemId] == itemId)
                q << row[ButtonCache::Qty];
        return q;
    }
    void otherTill(const QString& sql) {
        db::Query q(other);
        q.setSql(sql);
        q.exec();
    }

    db::Connection other; // another till
    db::DatabaseClock clock{db};
    ButtonCache cache;
    QDateTime lastRefresh;
};

TEST_F(StockRefresh, QuantitiesChangedOnAnotherTillShowAtTheNextRefresh) {
    EXPECT_EQ(quantities(QStringLiteral("2")), QStringList({"48", "48"}));
    otherTill(QStringLiteral("UPDATE item SET qty = 45 WHERE id = 2"));
    const QDateTime before = lastRefresh;
    QThread::msleep(20);
    cache.refreshStock(db, clock, lastRefresh);
    EXPECT_EQ(quantities(QStringLiteral("2")), QStringList({"45", "45"})); // Home and Drinks
    EXPECT_EQ(quantities(QStringLiteral("3")), QStringList({"72", "72"}));
    EXPECT_GT(lastRefresh, before);
}

TEST_F(StockRefresh, AChangeCommittedAfterARefreshStartedIsNotMissed) {
    // The other till stamps the item, but commits only after this till has refreshed.
    other.startTransaction();
    otherTill(QStringLiteral("UPDATE item SET qty = 70 WHERE id = 3"));
    QThread::msleep(20);
    cache.refreshStock(db, clock, lastRefresh);
    EXPECT_EQ(quantities(QStringLiteral("3")), QStringList({"72", "72"})); // not committed yet
    other.commit();
    QThread::msleep(20);
    cache.refreshStock(db, clock, lastRefresh);
    EXPECT_EQ(quantities(QStringLiteral("3")), QStringList({"70", "70"}));
}

} // namespace
