#pragma once

#include "RtfWriter.h"

#include <QDialog>
#include <QStringList>

class QKeyEvent;
class QLabel;
class QTextEdit;
class TTchButton;

// The error report window: the report in a read-only rich-text box above the support
// contacts, a Close button. ShowErrorReport adds the application and system information,
// saves the report as "yyyymmdd hhnn.rtf" and shows it modally.
class TfrmMsgDlgLst : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMsgDlgLst(QWidget *parent = nullptr);

    void AddBold(const QString &text);
    void AddNormal(const QString &text);
    void AddBoldRed(const QString &text);
    void AddBlank();

    // Folders to save the report in, first one that can be written wins; empty: the
    // program's folder, then the suite's folder in the user's data folder.
    void SetReportFolders(const QStringList &folders) { m_folders = folders; }
    // Adds the information, saves the report and shows the window modally.
    void ShowErrorReport();
    // The file the report was saved to, empty before or when it could not be saved.
    QString SavedFile() const { return m_savedFile; }
    // The report as plain text, as the window shows it.
    QString ReportText() const;

    static constexpr int ReportHeight = 244;
    static constexpr int ReportHeightWithContacts = 175;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void AddLine(const QString &text, bool bold, bool red, bool saved = true);
    bool HandleKey(const QKeyEvent &key);
    void AddInformation();
    // Saves into the first folder that takes the file; the reason when none does.
    QString SaveReport();
    void ToggleContacts();
    void PlaceReport(int height);

    QTextEdit *re;
    QTextEdit *reSupport;
    QWidget *pnlBottom;
    QLabel *Image;
    TTchButton *TchButton1;
    TRtfWriter m_report;
    QStringList m_folders;
    QString m_savedFile;
    int m_lineCount = 0;
};
