#include "tabs/TabMapEditor.h"

#include "common/Prompter.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "db/StoredProc.h"
#include "tabs/EditedTabMap.h"

#include <QStringList>

namespace pelora {

namespace {

QString columnName(TabMapColumn column) {
    switch (column) {
    case TmCaption: return QStringLiteral("btncaption");
    case TmLeft: return QStringLiteral("btnleft");
    case TmTop: return QStringLiteral("btntop");
    case TmWidth: return QStringLiteral("btnwidth");
    case TmHeight: return QStringLiteral("btnheight");
    case TmImageId: return QStringLiteral("imageid");
    case TmImageLrtb: return QStringLiteral("imagelrtb");
    default: return {};
    }
}

int whole(const db::Value& value) { return static_cast<int>(value.asInt()); }

} // namespace

TabMapEditor::TabMapEditor(db::Connection& db, Prompter& prompter, EditedTabMap& screen)
    : db_(db), prompter_(prompter), screen_(screen) {}

bool TabMapEditor::select(int tabId) {
    const int mapId = screen_.currentMapId();
    db::Query tm(db_);
    tm.setSql(QStringLiteral("SELECT btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb"
                             " FROM tm WHERE tabid = ? AND mapid = ?"));
    tm.open({tabId, mapId});
    selected_.reset();
    if (tm.isEmpty())
        return false;
    Button b;
    b.tabId = tabId;
    b.mapId = mapId;
    b.cacheRow = screen_.cacheRowOf(tabId);
    b.caption = tm.value(u"btncaption").asText();
    b.box = {whole(tm.value(u"btnleft")), whole(tm.value(u"btntop")), whole(tm.value(u"btnwidth")),
             whole(tm.value(u"btnheight"))};
    if (!tm.value(u"imageid").isNull())
        b.imageId = whole(tm.value(u"imageid"));
    b.imageLrtb = tm.value(u"imagelrtb").asText();
    selected_ = std::move(b);
    return true;
}

void TabMapEditor::reselect() {
    if (!selected_)
        return;
    if (selected_->mapId != screen_.currentMapId() || !select(selected_->tabId))
        selected_.reset();
}

bool TabMapEditor::requireSelection(bool needsMap) {
    if (selected_ && (!needsMap || selected_->mapId > 0))
        return true;
    prompter_.information(QStringLiteral("Select a button."));
    return false;
}

bool TabMapEditor::write(const std::vector<std::pair<TabMapColumn, db::Value>>& changes) {
    QStringList sets;
    std::vector<db::Value> params;
    for (const auto& [column, value] : changes) {
        sets << columnName(column) + QStringLiteral(" = ?");
        params.push_back(value);
    }
    params.emplace_back(selected_->tabId);
    params.emplace_back(selected_->mapId);
    db_.run(QStringLiteral("UPDATE tm SET ") + sets.join(QStringLiteral(", ")) +
                QStringLiteral(" WHERE tabid = ? AND mapid = ?"),
            params);
    for (const auto& [column, value] : changes) {
        remember(column, value);
        if (screen_.tabMapCached() && selected_->cacheRow >= 0)
            screen_.patchCachedTab(selected_->cacheRow, column, value.asText());
    }
    screen_.redrawTabButtons();
    return true;
}

void TabMapEditor::remember(TabMapColumn column, const db::Value& value) {
    Button& b = *selected_;
    switch (column) {
    case TmCaption: b.caption = value.asText(); break;
    case TmLeft: b.box.left = whole(value); break;
    case TmTop: b.box.top = whole(value); break;
    case TmWidth: b.box.width = whole(value); break;
    case TmHeight: b.box.height = whole(value); break;
    case TmImageId: b.imageId = value.isNull() ? std::nullopt : std::optional<int>(whole(value)); break;
    case TmImageLrtb: b.imageLrtb = value.asText(); break;
    default: break;
    }
}

bool TabMapEditor::saveCaption(const QString& caption) {
    return requireSelection(true) && write({{TmCaption, caption}});
}

bool TabMapEditor::move(ButtonPlacement::Move how, int step) {
    if (!requireSelection())
        return false;
    using Move = ButtonPlacement::Move;
    const ButtonPlacement::Box box = ButtonPlacement::moved(selected_->box, how, step, kBounds);
    switch (how) {
    case Move::Left:
    case Move::Right: return write({{TmLeft, box.left}});
    case Move::Up:
    case Move::Down: return write({{TmTop, box.top}});
    case Move::Narrower:
    case Move::Wider: return write({{TmWidth, box.width}});
    case Move::Lower:
    case Move::Higher: return write({{TmHeight, box.height}});
    }
    return false;
}

bool TabMapEditor::dropAt(QPoint topLeft) {
    const QPoint place = ButtonPlacement::dropped(topLeft);
    return requireSelection() && write({{TmLeft, place.x()}, {TmTop, place.y()}});
}

bool TabMapEditor::setImageLrtb(const QString& letter) { return requireSelection() && write({{TmImageLrtb, letter}}); }

bool TabMapEditor::setImage(std::optional<int> imageId) {
    return requireSelection() && write({{TmImageId, imageId ? db::Value(*imageId) : db::Value()}});
}

bool TabMapEditor::deleteButton() {
    if (!requireSelection(true) || !prompter_.confirm(QStringLiteral("Delete the button?")))
        return false;
    db::StoredProc proc(db_);
    proc.setName(QStringLiteral("tm_del_one"));
    proc.setParam(0, selected_->tabId);
    proc.setParam(1, selected_->mapId);
    proc.execute();
    selected_.reset();
    reloadAndShow();
    return true;
}

bool TabMapEditor::addButton(int tabId, const QString& ref) {
    const int mapId = screen_.currentMapId();
    if (!db_.run(QStringLiteral("SELECT 1 FROM tm WHERE tabid = ? AND mapid = ?"), {tabId, mapId}).rows.empty()) {
        prompter_.information(QStringLiteral("Button already on this map."));
        return false;
    }
    try {
        db_.run(QStringLiteral("INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight)"
                               " VALUES (?, ?, ?, 0, 0, ?, ?)"),
                {tabId, mapId, ref, kNewSize, kNewSize});
    } catch (const db::DbError& failure) {
        // Another till put it there since the question was asked.
        if (!failure.hasCode(db::DbError::kUniqueKey))
            throw;
        prompter_.information(QStringLiteral("Button already on this map."));
        reloadAndShow();
        return false;
    }
    reloadAndShow();
    return select(tabId);
}

void TabMapEditor::reloadAndShow() {
    if (screen_.tabMapCached())
        screen_.reloadTabMap();
    screen_.showMap();
    reselect();
}

} // namespace pelora
