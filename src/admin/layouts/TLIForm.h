#pragma once

#include "admin/layouts/ButtonEditor.h"
#include "admin/layouts/ItemList.h"
#include "admin/layouts/LinkList.h"
#include "admin/layouts/TillScreen.h"
#include "sales/TMainForm.h"

#include "ui/PlacementEditor.h"
#include "ui/MovementsGroup.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pelora {

class Prompter;

// The button editor: a small window that stays on top of the live sales screen without blocking
// it. A touch on a grid button selects it (a drag places it); the editor recaptions, moves,
// resizes, recolours and deletes it, adds item and link buttons to the page shown (a double
// click in a list), and keeps the lists of links and items.
class TLIForm : public QWidget, public GridButtonPicker {
    Q_OBJECT
public:
    TLIForm(TMainForm& till, db::Connection& db, Prompter& prompter, QWidget* parent = nullptr);
    ~TLIForm() override;

    // Puts the sales screen on its first item page with "Manual" off, reads the lists and shows
    // the editor over the screen, which from now on hands it the buttons touched.
    void openOverSalesScreen();

    // How "Edit" opens the item editor on an item (it returns when the editor has closed).
    void setItemEditorOpener(std::function<void(int itemId)> open) { openItemEditor_ = std::move(open); }
    // The item editor renamed an item: the caption box follows when it held the old name.
    void itemRenamed(const QString& oldName, const QString& newName);
    // Off for an Admin2 without the item permission: no "Insert", "Edit" or "Delete" of items.
    void setItemEditingAllowed(bool allowed);

    void pickButton(int liId, int cacheRow, std::optional<std::uint32_t> boxColour) override;
    void dropButton(int liId, int cacheRow, QPoint boxTopLeft) override;

    ButtonEditor& editor() { return editor_; }
    const LinkList& links() const { return links_; }
    const ItemList& items() const { return items_; }

    CaptionGroup* grpButton;
    QGroupBox* grpSpecial;
    QPushButton* btnLinkTo;
    QPushButton* btnColour;
    QPushButton* btnClearColour;
    QComboBox* cboImageLrtb;
    QComboBox* cboImage;
    MovementsGroup* grpMovements;
    FindGroup* grpFind;
    QListWidget* lstLinks;
    QPushButton* btnLinkIns;
    QPushButton* btnLinkEdt;
    QPushButton* btnLinkDel;
    QPushButton* btnLinkDup;
    QListWidget* lstItems;
    QPushButton* btnItemInsert;
    QPushButton* btnItemEdit;
    QPushButton* btnItemDelete;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildSpecialGroup();
    QWidget* buildLists();
    void wire();
    // Runs an operator's action; a failure is reported, and the window shows what now is.
    void act(const std::function<void()>& action);
    // The selection as it now is: the caption box is refilled only when `withCaption` (a new
    // selection), so that a caption being typed survives a move.
    void showSelection(bool withCaption);
    void showLists();
    void fillPictures();
    // A list change the editor refused (nothing selected) shows no choice.
    void choose(QComboBox* box, const std::function<bool(int index)>& change);
    void openLinkNameDialog(int linkId);
    void openItemEditor(int itemId);
    void handBack();

    TMainForm& till_;
    Prompter& prompter_;
    db::Connection& db_;
    TillScreen screen_;
    ButtonEditor editor_;
    LinkList links_;
    ItemList items_;
    std::function<void(int)> openItemEditor_;
    bool itemEditingAllowed_ = true;
    int linksShown_ = -1; // the revisions of the lists on screen
    int itemsShown_ = -1;
    bool handedOver_ = false;
    // The grid goes first when the sales screen is torn down with the editor still open.
    QPointer<QWidget> grid_;
};

} // namespace pelora
