#include "admin/layouts/ButtonEditor.h"

#include "admin/layouts/EditedSalesScreen.h"
#include "common/Prompter.h"
#include "db/Query.h"
#include "db/StoredProc.h"
#include "sales/GridPage.h"

#include <exception>

namespace pelora {

namespace {

QString columnName(ButtonCache::Column column) {
    switch (column) {
    case ButtonCache::BtnCaption: return QStringLiteral("btncaption");
    case ButtonCache::BoxColour: return QStringLiteral("boxcolour");
    case ButtonCache::BoxLeft: return QStringLiteral("boxleft");
    case ButtonCache::BoxTop: return QStringLiteral("boxtop");
    case ButtonCache::BoxWidth: return QStringLiteral("boxwidth");
    case ButtonCache::BoxHeight: return QStringLiteral("boxheight");
    case ButtonCache::ImageId: return QStringLiteral("imageid");
    case ButtonCache::ImageLrtb: return QStringLiteral("imagelrtb");
    default: return {};
    }
}

int whole(const db::Value& value) { return static_cast<int>(value.asInt()); }

} // namespace

ButtonEditor::ButtonEditor(db::Connection& db, Prompter& prompter, EditedSalesScreen& screen)
    : db_(db), prompter_(prompter), screen_(screen) {}

bool ButtonEditor::select(int liId, int cacheRow) {
    db::Query li(db_);
    li.setSql(QStringLiteral(
        "SELECT li.id, li.linkid, li.linkidlink, li.itemid, li.btncaption, li.boxcolour, li.boxleft, li.boxtop,"
        " li.boxwidth, li.boxheight, li.imageid, li.imagelrtb, link.name AS linkname"
        " FROM li LEFT JOIN link ON link.id = li.linkidlink WHERE li.id = ?"));
    li.open({liId});
    selected_.reset();
    if (li.isEmpty())
        return false;
    Button b;
    b.id = whole(li.value(u"id"));
    b.linkId = whole(li.value(u"linkid"));
    b.linkIdLink = whole(li.value(u"linkidlink"));
    b.itemId = whole(li.value(u"itemid"));
    b.caption = li.value(u"btncaption").asText();
    b.left = whole(li.value(u"boxleft"));
    b.top = whole(li.value(u"boxtop"));
    b.width = whole(li.value(u"boxwidth"));
    b.height = whole(li.value(u"boxheight"));
    if (!li.value(u"imageid").isNull())
        b.imageId = whole(li.value(u"imageid"));
    b.imageLrtb = li.value(u"imagelrtb").asText();
    b.linkName = li.value(u"linkname").asText();
    b.cacheRow = cacheRow;
    b.colour = GridPage::parseColour(li.value(u"boxcolour").asText());
    selected_ = std::move(b);
    return true;
}

void ButtonEditor::setColourPreset(std::optional<std::uint32_t> colour) {
    if (selected_)
        selected_->colour = colour;
}

void ButtonEditor::reselect() {
    if (!selected_)
        return;
    const int id = selected_->id;
    const std::optional<std::uint32_t> colour = selected_->colour;
    if (!select(id, screen_.cacheRowOf(id)) || selected_->linkId != screen_.shownLink()) {
        selected_.reset();
        return;
    }
    selected_->colour = colour;
}

bool ButtonEditor::requireSelection() {
    if (selected_)
        return true;
    prompter_.information(QStringLiteral("Select a button."));
    return false;
}

bool ButtonEditor::write(const std::vector<std::pair<ButtonCache::Column, db::Value>>& changes) {
    QStringList sets;
    std::vector<db::Value> params;
    for (const auto& [column, value] : changes) {
        sets << columnName(column) + QStringLiteral(" = ?");
        params.push_back(value);
    }
    params.emplace_back(selected_->id);
    db_.run(QStringLiteral("UPDATE li SET ") + sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE id = ?"),
            params);
    for (const auto& [column, value] : changes) {
        remember(column, value);
        if (screen_.buttonsCached())
            screen_.patchCachedButton(selected_->cacheRow, column, value.asText());
    }
    screen_.redrawLink();
    return true;
}

void ButtonEditor::remember(ButtonCache::Column column, const db::Value& value) {
    Button& b = *selected_;
    switch (column) {
    case ButtonCache::BtnCaption: b.caption = value.asText(); break;
    case ButtonCache::BoxColour: b.colour = GridPage::parseColour(value.asText()); break;
    case ButtonCache::BoxLeft: b.left = whole(value); break;
    case ButtonCache::BoxTop: b.top = whole(value); break;
    case ButtonCache::BoxWidth: b.width = whole(value); break;
    case ButtonCache::BoxHeight: b.height = whole(value); break;
    case ButtonCache::ImageId:
        b.imageId = value.isNull() ? std::nullopt : std::optional<int>(whole(value));
        break;
    case ButtonCache::ImageLrtb: b.imageLrtb = value.asText(); break;
    default: break;
    }
}

bool ButtonEditor::saveCaption(const QString& caption) {
    return requireSelection() && write({{ButtonCache::BtnCaption, caption}});
}

bool ButtonEditor::move(Move how, int step) {
    if (!requireSelection())
        return false;
    const Button& b = *selected_;
    const ButtonPlacement::Box box = ButtonPlacement::moved({b.left, b.top, b.width, b.height}, how, step, kBounds);
    switch (how) {
    case Move::Left:
    case Move::Right: return write({{ButtonCache::BoxLeft, box.left}});
    case Move::Up:
    case Move::Down: return write({{ButtonCache::BoxTop, box.top}});
    case Move::Narrower:
    case Move::Wider: return write({{ButtonCache::BoxWidth, box.width}});
    case Move::Lower:
    case Move::Higher: return write({{ButtonCache::BoxHeight, box.height}});
    }
    return false;
}

bool ButtonEditor::dropAt(QPoint boxTopLeft) {
    const QPoint place = ButtonPlacement::dropped(boxTopLeft);
    return requireSelection() && write({{ButtonCache::BoxLeft, place.x()}, {ButtonCache::BoxTop, place.y()}});
}

bool ButtonEditor::chooseColour() {
    if (!requireSelection())
        return false;
    std::optional<std::uint32_t> chosen;
    try {
        chosen = prompter_.chooseColour(selected_->colour.value_or(0xFFFFFF));
    } catch (const std::exception&) {
        prompter_.information(QStringLiteral("Color selection dialog failed to load"));
        return false;
    }
    return chosen && write({{ButtonCache::BoxColour, QString::number(*chosen)}});
}

bool ButtonEditor::clearColour() { return requireSelection() && write({{ButtonCache::BoxColour, QString()}}); }

bool ButtonEditor::setImageLrtb(const QString& letter) {
    return requireSelection() && write({{ButtonCache::ImageLrtb, letter}});
}

bool ButtonEditor::setImage(std::optional<int> imageId) {
    return requireSelection() &&
           write({{ButtonCache::ImageId, imageId ? db::Value(*imageId) : db::Value()}});
}

bool ButtonEditor::deleteButton() {
    if (!requireSelection() || !prompter_.confirm(QStringLiteral("Delete the button?")))
        return false;
    db::StoredProc proc(db_);
    proc.setName(QStringLiteral("li_del_one"));
    proc.setParam(0, selected_->id);
    proc.execute();
    rebuildCache();
    screen_.redrawLink();
    selected_.reset();
    return true;
}

bool ButtonEditor::followLink() {
    if (!selected_ || selected_->linkIdLink < 1) {
        prompter_.information(QStringLiteral("Select a link button."));
        return false;
    }
    const int target = selected_->linkIdLink;
    selected_.reset();
    screen_.showLink(target);
    return true;
}

void ButtonEditor::addItemButton(int itemId, const QString& name) { addButton(itemId, 0, name); }

void ButtonEditor::addLinkButton(int linkId, const QString& name) { addButton(db::Value(), linkId, name); }

void ButtonEditor::addButton(const db::Value& itemId, int linkIdLink, const QString& caption) {
    const int id = db::StoredProc(db_).nextId(QStringLiteral("li"));
    db_.run(QStringLiteral("INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop,"
                           " boxwidth, boxheight) VALUES (?, ?, ?, ?, ?, NULL, 0, 0, 100, 50)"),
            {id, screen_.shownLink(), itemId, linkIdLink, caption});
    rebuildCache();
    screen_.redrawLink();
    select(id, screen_.cacheRowOf(id));
}

void ButtonEditor::rebuildCache() {
    if (screen_.buttonsCached())
        screen_.rebuildButtonCache();
}

} // namespace pelora
