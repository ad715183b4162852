#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The small borderless window shown while start-up connects.
class TfrmSplashScreen : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int NoOfSteps READ NoOfSteps WRITE SetNoOfSteps)
public:
    explicit TfrmSplashScreen(QWidget *parent = nullptr);

    int NoOfSteps() const;
    void SetNoOfSteps(int steps);  // the progress bar's maximum
    // Shows the window, the text and, when step is set, one more step; then lets it paint.
    void ShowProgress(const QString &text, bool step);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void RestoreCursor();

    QLabel *Image1;
    QProgressBar *prg;
    QLabel *lblStatus;
    bool m_cursorSet = false;
};
