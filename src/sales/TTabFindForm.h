#pragma once

#include "db/TextTable.h"
#include "ui/CategoryColumn.h"
#include "ui/KeyboardModes.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace pelora {

class GlyphButton;
class Prompter;
namespace db {
class Connection;
}

// The tab find window: category buttons on the left, the found tabs ("REF", "CAT") in the
// middle, and along the bottom "Show All", the search text, "Find", "Refresh", "Split Form" and
// the select button. It opens with the keyboard up for the search text.
class TTabFindForm : public QDialog {
    Q_OBJECT
public:
    // `select` gets the chosen tab's id and ref; the window then closes.
    using Select = std::function<void(int tabId, const QString& ref)>;
    // Opens the split editor on the search text (empty: every split).
    using SplitEditor = std::function<void(const QString& search)>;

    TTabFindForm(db::Connection& db, Prompter& prompter, KeyboardModes& keyboardModes, Select select,
                 QWidget* parent = nullptr);

    // "Split Form" and the offer to search the splits when no tab is found work once the split
    // editor is given.
    void setSplitEditor(SplitEditor editor);

    // The search text: the tabs whose ref and the categories that contain it.
    void search(const QString& text);
    // The search box takes the text and the search runs (the keyboard's Enter, or a split just
    // copied to the tabs).
    void searchFor(const QString& text);
    void btnFindClick();
    void btnRefreshClick();
    void btnShowAllClick();
    void btnSelectClick();

    const std::vector<GlyphButton*>& categoryButtons() const { return categories_.buttons(); }
    QTableWidget* grdTabs;
    QPushButton* btnShowAll;
    QLineEdit* edtSearch;
    QPushButton* btnFind;
    QPushButton* btnRefresh;
    QPushButton* btnSplitForm;
    QPushButton* btnSelect;
    QPushButton* btnClose;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showTabs(const db::TextTable& tabs);
    void showCategories(const db::TextTable& categories);
    void run(const std::function<void()>& action);

    db::Connection& db_;
    Prompter& prompter_;
    KeyboardModes& keyboardModes_;
    CategoryColumn categories_;
    KeyboardModes::Registration findMode_;
    Select select_;
    SplitEditor splitEditor_;
    bool opened_ = false;
};

} // namespace pelora
