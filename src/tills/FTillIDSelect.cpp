#include "FTillIDSelect.h"

#include "FTillIDSetup.h"
#include "app/Workstation.h"
#include "modTillID.h"
#include "ui/TchButton.h"

#include <QHBoxLayout>
#include <QLabel>

TfrmTillIDSelect::TfrmTillIDSelect(QWidget *parent) : TfrmDbSelector(parent), ComputerName(GetComputerName())
{
    setWindowTitle(QStringLiteral("Orvik Till ID's"));
    auto *top = new QHBoxLayout(pnlTop);
    top->setContentsMargins(12, 4, 12, 4);
    lblThisTill = new QLabel(QStringLiteral("This Till ID:"), pnlTop);
    lblThisTill->setObjectName(QStringLiteral("lblThisTill"));
    lblTillNumber = new QLabel(pnlTop);
    lblTillNumber->setObjectName(QStringLiteral("lblTillNumber"));
    lblTillNumber->setAlignment(Qt::AlignCenter);
    lblTillNumber->setMinimumWidth(120);
    lblTillNumber->setAutoFillBackground(true);
    top->addWidget(lblThisTill);
    top->addWidget(lblTillNumber);
    top->addStretch(1);
    GridColumns = {QStringLiteral("TillID"), QStringLiteral("Computer Name"), QStringLiteral("Login Name")};
    SelectedTill.SetAdoConnection(nullptr);
    UpdateThisTillID();
}

bool TfrmTillIDSelect::DoRefresh()
{
    qry.SetConnection(AdoConnection());
    QryStrings = QStringList{QStringLiteral("SELECT * FROM Tills"), QStringLiteral("ORDER BY TillID")};
    const bool result = TfrmDbSelector::DoRefresh();
    UpdateThisTillID();
    return result;
}

void TfrmTillIDSelect::TakeRow(int row, TTillsItem &till)
{
    SeekRow(qry, row);
    till.Populate(&qry);
}

void TfrmTillIDSelect::UpdateThisTillID()
{
    ThisTill.Clear();
    if (qry.Active()) {
        const int row = RowOfComputer(qry, ComputerName);
        if (row >= 0)
            TakeRow(row, ThisTill);
    }
    btnOK->setEnabled(qry.RecordCount() > 0);
    QPalette palette = lblTillNumber->palette();
    if (ThisTill.TillID() > 0) {
        lblTillNumber->setText(QString::number(ThisTill.TillID()));
        palette.setColor(QPalette::Window, FormSettings().ButtonColour);
    } else {
        lblTillNumber->setText(QStringLiteral("Not Set"));
        palette.setColor(QPalette::Window, Qt::red);
    }
    lblTillNumber->setPalette(palette);
}

void TfrmTillIDSelect::DoInsert()
{
    TfrmTillIDSetup setup(this);
    setup.SetAdoConnection(AdoConnection());
    if (setup.exec() == mrOk) {
        RegisterTill(AdoConnection(), {setup.TillID(), setup.ComputerName(), setup.HDSerial(), setup.UserName()});
        DoRefresh();
    }
}

void TfrmTillIDSelect::DoDelete()
{
    const int row = CurrentRow();
    if (row < 0 || qry.IsEmpty())
        return;
    TTillsItem till;
    TakeRow(row, till);
    if (MessageDialog(DeleteTillQuestion(till.ComputerName(), till.TillID()), mtConfirmation, {mbYes, mbNo, mbCancel}) != mrYes)
        return;
    DeleteTillRow(AdoConnection(), till.TillsID());
    DoRefresh();
}

void TfrmTillIDSelect::btnOKClick()
{
    const int row = CurrentRow();
    if (row >= 0)
        TakeRow(row, SelectedTill);
    TfrmDbSelector::btnOKClick();
}
