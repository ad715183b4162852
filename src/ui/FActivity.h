#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class TVxPanel;

// A borderless progress window that stays on top, for long work on the user-interface
// thread: each report repaints it by processing pending events, so other handlers may
// run inside ReportProgress.
class TfrmActivity : public QWidget {
    Q_OBJECT
public:
    explicit TfrmActivity(QWidget *parent = nullptr);

    void SetMax(int n);
    void SetMin(int n);
    // A non-empty text becomes the message; steps the bar when StepOnMessage; shows the
    // window; processes pending events.
    void ReportProgress(const QString &text);
    // Advances the bar by n unless n is the amount given last time.
    void Advance(int n);

    bool StepOnMessage = false;

signals:
    void OnCancelKey(QObject *sender, int key);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void StepBy(int n);

    TVxPanel *pnl1;
    QLabel *lblMsg;
    QProgressBar *prg1;
    int m_lastAdvance = 0;
};
