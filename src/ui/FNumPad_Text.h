#pragma once

#include "FNumPad.h"

class QLabel;
class QLineEdit;

// A prompt and a one-line text box fed by the keyboard or the number pad. With a match text
// it accepts only that text; without one any text that is not blank. The text is upper case.
class TfrmNumPad_Text : public TfrmNumPad {
    Q_OBJECT
public:
    explicit TfrmNumPad_Text(QWidget *parent = nullptr);

    bool AllowDecimal() const { return m_allowDecimal; }
    void SetAllowDecimal(bool value);
    // Written: the text shown at first. Read: the accepted text, empty after Cancel.
    QString EnteredText() const { return m_enteredText; }
    void SetEnteredText(const QString &text) { m_initialText = text; }
    bool OverWriteEnteredText() const { return m_overWrite; }
    void SetOverWriteEnteredText(bool value) { m_overWrite = value; }

    // True exactly when the dialog closed with OK.
    bool Execute(const QString &prompt, const QString &expected = {});
    void SetFormLook(TFormLook look) override;

    QWidget *pnlTopMain;
    QLabel *lblPrompt;
    QWidget *pnlText;
    QLineEdit *txt;

protected:
    virtual void AdjustTopPanel();
    bool FormKeyDown(QKeyEvent &event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    // Widgets above pnlTopMain inside pnlTop (a heading).
    QVBoxLayout *TopLayout() const { return m_topLayout; }

private:
    void txtChange(const QString &text);
    void btnOKClick();

    QVBoxLayout *m_topLayout;
    bool m_allowDecimal = false;
    bool m_overWrite = true;
    QString m_initialText;
    QString m_enteredText;  // the match text while shown
};
