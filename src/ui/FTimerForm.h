#pragma once

#include <QDialog>
#include <QPointer>

class QTimer;

// A dialog that can close itself: once SetTimeout is given a positive number it counts
// down once a second, shows the seconds left on its countdown button ("OK (3)"), and at 0
// closes with TimeoutResult (a result of 0 leaves it open).
class TfrmTimerForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTimerForm(QWidget *parent = nullptr);

    int Timeout() const { return m_timeout; }
    void SetTimeout(int seconds);  // starts the timer when above 0, stops it otherwise
    // A QAbstractButton or a TTchButton; its caption now is the one the count goes after.
    void SetCountdownButton(QWidget *button);
    QWidget *CountdownButton() const { return m_countdownButton; }
    int TimeoutResult() const { return m_timeoutResult; }
    void SetTimeoutResult(int result) { m_timeoutResult = result; }
    // The button that answers Esc and the close box; without one they answer 2 (Cancel).
    void SetCancelButton(QWidget *button) { m_cancelButton = button; }

    QTimer *Timer() const { return Timer1; }

public slots:
    void Timer1Timer();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void ShowCountdown();

    QTimer *Timer1;
    int m_timeout = 5;
    QPointer<QWidget> m_countdownButton;
    QString m_countdownCaption;
    int m_timeoutResult = 0;
    QPointer<QWidget> m_cancelButton;
};

// The caption of a QAbstractButton or a TTchButton.
QString ButtonCaption(const QWidget *button);
void SetButtonCaption(QWidget *button, const QString &caption);
// Clicks a QAbstractButton or a TTchButton.
void ClickButton(QWidget *button);
