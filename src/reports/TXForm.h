#pragma once

#include "reports/ReportContext.h"
#include "reports/XReport.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace pelora {

// The X report: the title and five totals, the eight breakdown grids (a breakdown that was not
// ticked stays empty and off), the receipt counts, and "Print" to the terminal's X output.
class TXForm : public QDialog {
    Q_OBJECT
public:
    TXForm(const ReportContext& context, const QString& title, XReportFigures figures);
    ~TXForm() override;

    const XReportFigures& figures() const { return figures_; }
    void btnPrintClick();

    QGroupBox* grpX;
    QLabel* lblTitle;
    QLabel* lblCost;
    QLabel* lblPrice;
    QLabel* lblTax;
    QLabel* lblMargin;
    QLabel* lblDisc;
    // PC, Staff, Tab, MOP, Item, Item Cat, Discount, Split.
    std::array<QTableWidget*, kBreakdownCount> grids{};
    QLabel* lblCount;
    QPushButton* btnPrint;
    QPushButton* btnClose;

private:
    ReportContext context_;
    QString title_;
    XReportFigures figures_;
};

} // namespace pelora
