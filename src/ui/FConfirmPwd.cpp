#include "FConfirmPwd.h"

#include "FPassword.h"
#include "TchButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmConfirmPwd::TfrmConfirmPwd(QWidget *parent) : TfrmPosForm(parent)
{
    setWindowTitle(QStringLiteral("New Password"));
    m_centreOnInvMonitor = false;
    auto *fields = new QWidget(pnlMain);
    auto *layout = new QVBoxLayout(fields);
    layout->setContentsMargins(12, 8, 12, 8);
    auto addBox = [&](QLabel *&label, QLineEdit *&box, const QString &caption, const char *labelName, const char *boxName) {
        label = new QLabel(caption, fields);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setFont(KitFont(QStringLiteral("Arial"), 10, true));
        box = new QLineEdit(fields);
        box->setObjectName(QString::fromLatin1(boxName));
        box->setFont(KitFont(QStringLiteral("Arial"), 10));
        box->setMinimumHeight(TouchButtonMinHeight);
        MaskWithStars(box);
        layout->addWidget(label);
        layout->addWidget(box);
        connect(box, &QLineEdit::textChanged, this, &TfrmConfirmPwd::txtChange);
    };
    addBox(Label1, txt1, QStringLiteral("Enter The New Password"), "Label1", "txt1");
    addBox(Label2, txt2, QStringLiteral("Confirm The New Password"), "Label2", "txt2");
    AddContent(fields, 1);

    btnOK = NewKitButton(pnlBottom, "btnOK", QStringLiteral("OK"), mrOk, kbDefault);
    btnOK->setEnabled(false);
    btnCancel = NewKitButton(pnlBottom, "btnCancel", QStringLiteral("Cancel"), mrCancel, kbCancel);
    connect(btnOK, &TTchButton::OnClick, this, [this] { m_password = txt1->text(); });
    setFixedWidth(320);
}

void TfrmConfirmPwd::showEvent(QShowEvent *event)
{
    TfrmPosForm::showEvent(event);
    txt1->clear();
    txt2->clear();
    txt1->setFocus();
}

void TfrmConfirmPwd::txtChange()
{
    for (QLineEdit *box : {txt1, txt2}) {
        const QString cleaned = box->text().trimmed().toUpper();
        if (cleaned != box->text()) {
            const QSignalBlocker quiet(box);
            box->setText(cleaned);
        }
    }
    btnOK->setEnabled(!txt1->text().isEmpty() && txt1->text() == txt2->text());
}
