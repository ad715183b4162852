#pragma once

#include "FPosForm.h"

class QLabel;
class QLineEdit;
class TTchButton;

// A new password typed twice; OK only while both boxes hold the same text that is not empty.
class TfrmConfirmPwd : public TfrmPosForm {
    Q_OBJECT
public:
    explicit TfrmConfirmPwd(QWidget *parent = nullptr);

    QString Password() const { return m_password; }

    QLabel *Label1;
    QLineEdit *txt1;
    QLabel *Label2;
    QLineEdit *txt2;
    TTchButton *btnOK;
    TTchButton *btnCancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void txtChange();

    QString m_password;
};
