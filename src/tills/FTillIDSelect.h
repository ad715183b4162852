#pragma once

#include "FDbSelector.h"
#include "records/clsTills.h"

class QLabel;

// "Orvik Till ID's": the registered tills, this computer's number (or "Not Set" on red),
// registration of this computer by insert, and deletion of a row after a question.
class TfrmTillIDSelect : public TfrmDbSelector {
    Q_OBJECT
public:
    explicit TfrmTillIDSelect(QWidget *parent = nullptr);

    QString ComputerName;
    TTillsItem SelectedTill;
    TTillsItem ThisTill;

    bool DoRefresh() override;
    void UpdateThisTillID();

    QLabel *lblThisTill;
    QLabel *lblTillNumber;

protected:
    void DoInsert() override;
    void DoDelete() override;
    void btnOKClick() override;

private:
    // The current row into the record.
    void TakeRow(int row, TTillsItem &till);
};
