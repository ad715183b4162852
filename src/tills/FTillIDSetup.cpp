#include "FTillIDSetup.h"

#include "app/Workstation.h"
#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"
#include "modTillID.h"
#include "ui/FPosForm.h"
#include "ui/TchButton.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>

TfrmTillIDSetup::TfrmTillIDSetup(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTillIDSetup"));
    setWindowTitle(QStringLiteral("Till Identification Setup"));
    setFont(KitFont(QStringLiteral("Arial"), 11));
    auto *form = new QFormLayout;
    form->setVerticalSpacing(10);
    spin = new QSpinBox(this);
    spin->setObjectName(QStringLiteral("spin"));
    spin->setRange(1, MaxTillID);
    spin->setValue(1);
    spin->setMinimumSize(140, 56);  // arrows a finger can hit
    spin->setFont(KitFont(QStringLiteral("Arial"), 14, true));
    spin->setStyleSheet(QStringLiteral("QSpinBox::up-button, QSpinBox::down-button { width: 44px; }"));
    form->addRow(QStringLiteral("Unique Till ID"), spin);
    auto addValue = [&](QLabel *&label, const char *name, const QString &caption) {
        label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(KitFont(QStringLiteral("Arial"), 11, true));
        form->addRow(caption, label);
    };
    addValue(lblUserName, "lblUserName", QStringLiteral("Logged In As:"));
    addValue(lblComputerName, "lblComputerName", QStringLiteral("Computer:"));
    addValue(lblHDSerial, "lblHDSerial", QStringLiteral("Hard Drive Serial #"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOK = NewKitButton(this, "btnOK", QStringLiteral("&OK"), 0, kbDefault);
    btnCancel = NewKitButton(this, "btnCancel", QStringLiteral("&Cancel"), 2, kbCancel);
    for (TTchButton *button : {btnOK, btnCancel}) {
        button->setFixedSize(TouchButtonMinWidth, TouchButtonMinHeight);
        button->setFont(KitFont(QStringLiteral("Arial"), 10, true));
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    connect(btnOK, &TTchButton::OnClick, this, &TfrmTillIDSetup::btnOKClick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}

void TfrmTillIDSetup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ReadIdentity();
    GetNextTillID();
}

void TfrmTillIDSetup::ReadIdentity()
{
    m_userName = GetLoginName();
    m_hdSerial = GetVolumeSerial();
    m_computerName = GetComputerName();
    lblUserName->setText(m_userName);
    lblComputerName->setText(m_computerName);
    lblHDSerial->setText(m_hdSerial);
    // Without a name the registration could never be found again.
    const bool identified = m_hdSerial != QStringLiteral("0") && !m_computerName.trimmed().isEmpty();
    btnOK->setEnabled(identified);
    if (!identified)
        QTimer::singleShot(0, this, [] { ShowInformation(QStringLiteral("The specified computer could not be found")); });
}

void TfrmTillIDSetup::GetNextTillID()
{
    try {
        spin->setValue(NextTillID(m_connection));
    } catch (const std::exception &e) {
        // Shown once the dialog is up; the box keeps its number.
        const QString text = QStringLiteral("Failed to locate the list of used till ID's\r\rError: ") + ExceptionMessage(e) +
                             QStringLiteral("\r\r") + QStringLiteral("Exception Raised In: TfrmTillIDSetup.GetNextTillID");
        QTimer::singleShot(0, this, [text] { ShowError(text); });
    }
}

void TfrmTillIDSetup::btnOKClick()
{
    const int number = spin->value();
    try {
        const QString holder = TillHolder(m_connection, number);
        if (!holder.isNull()) {
            ShowInformation(TillTakenText(number, holder));
            return;
        }
    } catch (const std::exception &e) {
        ShowError(QStringLiteral("Failed to update the till ID\r\rError: ") + ExceptionMessage(e) + QStringLiteral("\r\r") +
                  QStringLiteral("Exception Raised In: TfrmTillIDSetup.btnOKClick"));
        return;
    }
    m_tillID = number;
    done(1);
}

void TfrmTillIDSetup::reject()
{
    done(2);
}
