#pragma once

#include "sales/TMainForm.h"
#include "tabs/TabAccounts.h"
#include "tabs/TabMapEditor.h"
#include "tabs/TillTabMap.h"

#include "ui/PlacementEditor.h"
#include "ui/MovementsGroup.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace pelora {

class Prompter;

// The tab map editor: a small window that stays on top of the live Tab page without blocking
// it. A touch on a tab button selects it (a drag places it); the editor recaptions, moves,
// resizes, gives a picture to and deletes it, puts a tab's button on the map shown (a double
// click in the tab list), and keeps the tab accounts: "Insert", "Edit" (the tab account
// editor) and "Delete". "<<" and ">>" on the Tab page change the map being edited.
class TTabForm : public QWidget, public TabButtonPicker {
    Q_OBJECT
public:
    TTabForm(TMainForm& till, db::Connection& db, Prompter& prompter, QWidget* parent = nullptr);
    ~TTabForm() override;

    // Shows the Tab page, lists the tabs and shows the editor over the screen, which from now
    // on hands it the tab buttons touched.
    void openOverTabPage();

    void pickTabButton(int tabId, QPoint position) override;
    void dropTabButton(int tabId, QPoint topLeft) override;
    void clearSelection() override;

    TabMapEditor& editor() { return editor_; }
    TabAccounts& accounts() { return accounts_; }
    // "Edit": the tab account editor on the listed tab (it returns when the editor has closed).
    void btnEditClick();

    CaptionGroup* grpButton;
    MovementsGroup* grpMovements;
    QGroupBox* grpImage;
    QComboBox* cboImageLrtb;
    QComboBox* cboImage;
    FindGroup* grpFind;
    QTableWidget* grdTabs;
    QPushButton* btnInsert;
    QPushButton* btnEdit;
    QPushButton* btnDelete;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildImageGroup();
    QWidget* buildTabList();
    void wire();
    // Runs an operator's action; a failure is reported, and the window shows what now is.
    void act(const std::function<void()>& action);
    // The tab list was read again: the selection is cleared with the caption box.
    void listed();
    // The selection as it now is: the caption box is refilled only when `withCaption` (a new
    // selection), so that a caption being typed survives a move.
    void showSelection(bool withCaption);
    void showTabs();
    // A list change the editor refused (nothing selected) shows no choice.
    void choose(QComboBox* box, const std::function<bool(int index)>& change);
    void tabRenamed(const QString& oldRef, const QString& newRef);
    void handBack();

    TMainForm& till_;
    Prompter& prompter_;
    db::Connection& db_;
    TillTabMap screen_;
    TabMapEditor editor_;
    TabAccounts accounts_;
    bool handedOver_ = false;
    // The Tab page goes first when the sales screen is torn down with the editor still open.
    QPointer<QWidget> tabPage_;
};

} // namespace pelora
