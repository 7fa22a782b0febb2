#pragma once

#include <QWidget>

class QPushButton;
class QScrollArea;

namespace pelora {

class ItemGrid;
class ManRegisterPanel;

// The Item page of the sales screen: the item grid of one link page, the manual register
// centred over it while it is open, and the button bar "Reset", "Manual", "Option" (and the
// hidden "PP").
class ItemPage : public QWidget {
    Q_OBJECT
public:
    explicit ItemPage(QWidget* parent = nullptr);

    QScrollArea* gridArea;
    ItemGrid* grid;
    ManRegisterPanel* manRegister;
    QPushButton* btnReset;
    QPushButton* btnManual;     // a toggle: down while the manual register is open
    QPushButton* btnOpt;        // the typed option message
    QPushButton* btnPreProcess; // "PP", a toggle: down marks each line added as processed

    // Centres the manual register on the page: an odd difference rounds up to even.
    void centreManRegister();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace pelora
