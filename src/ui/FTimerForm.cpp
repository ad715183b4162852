#include "FTimerForm.h"

#include "TchButton.h"
#include "app/modMsgDlgs.h"

#include <QAbstractButton>
#include <QTimer>

QString ButtonCaption(const QWidget *button)
{
    if (auto *touch = qobject_cast<const TTchButton *>(button))
        return touch->Caption();
    if (auto *plain = qobject_cast<const QAbstractButton *>(button))
        return plain->text();
    return {};
}

void SetButtonCaption(QWidget *button, const QString &caption)
{
    if (auto *touch = qobject_cast<TTchButton *>(button))
        touch->SetCaption(caption);
    else if (auto *plain = qobject_cast<QAbstractButton *>(button))
        plain->setText(caption);
}

void ClickButton(QWidget *button)
{
    if (auto *touch = qobject_cast<TTchButton *>(button))
        touch->Click();
    else if (auto *plain = qobject_cast<QAbstractButton *>(button))
        plain->click();
}

TfrmTimerForm::TfrmTimerForm(QWidget *parent) : QDialog(parent), Timer1(new QTimer(this))
{
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmTimerForm::Timer1Timer);
}

void TfrmTimerForm::SetTimeout(int seconds)
{
    m_timeout = seconds;
    if (seconds > 0)
        Timer1->start();
    else
        Timer1->stop();
}

void TfrmTimerForm::SetCountdownButton(QWidget *button)
{
    m_countdownButton = button;
    m_countdownCaption = ButtonCaption(button);
}

void TfrmTimerForm::ShowCountdown()
{
    if (m_countdownButton)
        SetButtonCaption(m_countdownButton, m_countdownCaption + QStringLiteral(" (") + QString::number(m_timeout) + u')');
}

void TfrmTimerForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_timeout > 0)
        ShowCountdown();
}

void TfrmTimerForm::Timer1Timer()
{
    if (m_timeout > 0)
        --m_timeout;
    ShowCountdown();
    if (m_timeout > 0)
        return;
    // Nothing more to count: a result of 0 leaves the form to its buttons.
    Timer1->stop();
    if (m_timeoutResult != 0 && isVisible())
        done(m_timeoutResult);
    else
        setResult(m_timeoutResult);
}

void TfrmTimerForm::reject()
{
    if (m_cancelButton)
        ClickButton(m_cancelButton);
    else
        done(mrCancel);
}
