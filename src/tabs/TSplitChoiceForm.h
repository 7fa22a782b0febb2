#pragma once

#include "db/TextTable.h"
#include "ui/CategoryColumn.h"
#include "ui/KeyboardModes.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace pelora {

class Prompter;
class SplitChooserTill;

namespace db {
class Connection;
}

// The split chooser: category buttons on the left, the splits ("REF", "MSG", "RATE") in the
// middle with the button that puts the selected one on the current line, the search along the
// bottom, and on the right the split refs of the two lists with the buttons that clear a split
// and move a split's lines between the lists.
class TSplitChoiceForm : public QDialog {
    Q_OBJECT
public:
    // Where it opens: the current line's split ref (the search text), and the split and
    // category chosen last.
    struct Opening {
        QString lineRef;
        int splitId = 0;
        std::optional<QString> category;
    };

    TSplitChoiceForm(db::Connection& db, Prompter& prompter, KeyboardModes& keyboardModes, SplitChooserTill& till,
                     Opening opening, QWidget* parent = nullptr);

    const std::vector<GlyphButton*>& categoryButtons() const { return categories_.buttons(); }

    // The search text: the categories and the splits whose ref contain it.
    void search(const QString& text);
    void btnSetSplitRefClick();
    void btnShowAllClick();
    void btnFindClick();
    void btnRefreshClick();
    void btnSplitFormClick();
    void btnClearSplitRefClick();
    void btnSplitAllClick();
    void btnSplitClick();
    void btnUnSplitClick();
    void btnUnSplitAllClick();

    QTableWidget* grdSplits;
    QPushButton* btnSetSplitRef;
    QPushButton* btnShowAll;
    QLineEdit* edtSearch;
    QPushButton* btnFind;
    QPushButton* btnRefresh;
    QPushButton* btnSplitForm;
    QPushButton* btnClose;
    QPushButton* btnClearSplitRef;
    QTableWidget* grdRefs1;
    QPushButton* btnSplitAll;
    QPushButton* btnSplit;
    QPushButton* btnUnSplit;
    QPushButton* btnUnSplitAll;
    QTableWidget* grdRefs2;

private:
    void showSplits(const db::TextTable& splits);
    void showCategories(const db::TextTable& categories);
    void showRefs(const QString& lineRef);
    // The ref selected in a refs grid; none when the grid is empty.
    std::optional<QString> selectedRef(const QTableWidget* grid) const;
    void moveLines(bool toSplitList, bool all);
    void run(const std::function<void()>& action);

    db::Connection& db_;
    Prompter& prompter_;
    KeyboardModes& keyboardModes_;
    SplitChooserTill& till_;
    CategoryColumn categories_;
    KeyboardModes::Registration findMode_;
    int rememberedId_;
    db::TextTable splits_;
};

} // namespace pelora
