#include "sales/GridPage.h"

#include "app/TerminalSettings.h"
#include "common/Flag.h"
#include "common/Mode.h"
#include "common/Money.h"
#include "db/Query.h"
#include "sales/ButtonCache.h"
#include "sales/ItemValues.h"

namespace pelora {

namespace {

// Box, button and label of a button row. With the cache the button fills the box but for the
// label's strip; without it the button is one line high with the label under it.
void place(GridPage::Button& b, int left, int top, int width, int height, bool fromCache) {
    b.box = QRect(left, top, width, height);
    b.button = QRect(left + 4, top + 4, width - 8, fromCache ? height - 25 : 17);
    b.label = QRect(left + 4, fromCache ? top + height - 18 : top + 22, width - 8, 16);
}

int number(const QString& text) { return text.trimmed().toInt(); }

} // namespace

std::optional<std::uint32_t> GridPage::parseColour(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

QString GridPage::labelFor(const QString& price, const QString& stopDisc, const QString& qty,
                           const TerminalSettings& settings) {
    const Money amount = Money::parse(price).value_or(Money());
    QString text = amount > Money() ? amount.toString() + (isTrue(stopDisc) ? QStringLiteral("^") : QString())
                                    : QStringLiteral("Unpriced");
    if (modeIs(settings.countMode, '1') && !qty.isEmpty())
        text += QStringLiteral(" (") + qty + u')';
    return text;
}

GridPage GridPage::fromCache(const ButtonCache& cache, int linkId, const TerminalSettings& settings) {
    GridPage page;
    page.cached = true;
    const db::TextTable& rows = cache.rows();
    const QString link = QString::number(linkId);
    static constexpr ButtonCache::Column kPrice[] = {ButtonCache::Price1, ButtonCache::Price1,
                                                     ButtonCache::Price2, ButtonCache::Price3};
    const int level = ItemValues::priceLevel(settings.priceMode);
    bool matched = false;
    for (int r = 0; r < rows.rowCount(); ++r) {
        if (rows.at(r, ButtonCache::LinkId) != link) {
            if (matched)
                break; // the page's rows are one run
            continue;
        }
        matched = true;
        page.linkName = rows.at(r, ButtonCache::LinkName);
        Button b;
        b.tag = r;
        b.liId = number(rows.at(r, ButtonCache::LiId));
        place(b, number(rows.at(r, ButtonCache::BoxLeft)), number(rows.at(r, ButtonCache::BoxTop)),
              number(rows.at(r, ButtonCache::BoxWidth)), number(rows.at(r, ButtonCache::BoxHeight)), true);
        b.colour = parseColour(rows.at(r, ButtonCache::BoxColour));
        const QString linkIdLink = rows.at(r, ButtonCache::LinkIdLink);
        b.link = linkIdLink != u"0";
        b.linkIdLink = number(linkIdLink);
        b.caption = rows.at(r, ButtonCache::BtnCaption) + (b.link ? QStringLiteral(" >") : QString());
        b.itemId = number(rows.at(r, ButtonCache::ItemId));
        b.imageId = number(rows.at(r, ButtonCache::ImageId));
        b.imageLrtb = rows.at(r, ButtonCache::ImageLrtb);
        b.stopped = isTrue(rows.at(r, ButtonCache::StopLine));
        if (!b.link)
            b.labelText = labelFor(level ? rows.at(r, kPrice[level]) : QString(),
                                   rows.at(r, ButtonCache::StopDisc), rows.at(r, ButtonCache::Qty), settings);
        page.buttons.push_back(std::move(b));
    }
    return page;
}

GridPage GridPage::fromDatabase(db::Connection& db, int linkId, const TerminalSettings& settings) {
    db::Query li(db);
    li.setSql(QStringLiteral(
        "SELECT li.id, li.linkid, li.itemid, li.linkidlink, li.btncaption, li.boxcolour, li.boxleft,"
        " li.boxtop, li.boxwidth, li.boxheight, li.imageid, li.imagelrtb, item.qty, item.price1,"
        " item.price2, item.price3, item.stopline, item.stopdisc, link.name AS linkname"
        " FROM li LEFT JOIN item ON li.itemid = item.id LEFT JOIN link ON li.linkid = link.id"
        " WHERE li.linkid = ? ORDER BY li.linkid, li.id"));
    li.open({linkId});
    GridPage page;
    const int level = ItemValues::priceLevel(settings.priceMode);
    for (int r = 0; r < li.rowCount(); ++r) {
        li.moveTo(r);
        page.linkName = li.value(u"linkname").asText();
        Button b;
        b.tag = static_cast<int>(li.value(u"id").asInt());
        b.liId = b.tag;
        place(b, static_cast<int>(li.value(u"boxleft").asInt()), static_cast<int>(li.value(u"boxtop").asInt()),
              static_cast<int>(li.value(u"boxwidth").asInt()), static_cast<int>(li.value(u"boxheight").asInt()),
              false);
        b.colour = parseColour(li.value(u"boxcolour").asText());
        b.linkIdLink = static_cast<int>(li.value(u"linkidlink").asInt());
        b.link = b.linkIdLink != 0;
        b.caption = li.value(u"btncaption").asText() + (b.link ? QStringLiteral(" >") : QString());
        b.itemId = static_cast<int>(li.value(u"itemid").asInt());
        b.imageId = static_cast<int>(li.value(u"imageid").asInt());
        b.imageLrtb = li.value(u"imagelrtb").asText();
        b.stopped = isTrue(li.value(u"stopline").asText());
        if (!b.link)
            b.labelText = labelFor(level ? li.value(QString(QStringLiteral("price") + QString::number(level))).asText()
                                         : QString(),
                                   li.value(u"stopdisc").asText(), li.value(u"qty").asText(), settings);
        page.buttons.push_back(std::move(b));
    }
    return page;
}

GridPage::Touch GridPage::touchFromCache(const ButtonCache& cache, int row) {
    Touch t;
    const QString linkIdLink = cache.rows().at(row, ButtonCache::LinkIdLink);
    if (linkIdLink != u"0") {
        t.showLink = true;
        t.linkId = number(linkIdLink);
    } else {
        t.itemId = number(cache.rows().at(row, ButtonCache::ItemId));
    }
    return t;
}

GridPage::Touch GridPage::touchFromDatabase(db::Connection& db, int liId) {
    db::Query li(db);
    li.setSql(QStringLiteral("SELECT itemid, linkidlink FROM li WHERE id = ?"));
    li.open({liId});
    Touch t;
    t.linkId = static_cast<int>(li.value(u"linkidlink").asInt());
    t.showLink = t.linkId != 0;
    if (!t.showLink)
        t.itemId = static_cast<int>(li.value(u"itemid").asInt());
    return t;
}

} // namespace pelora
