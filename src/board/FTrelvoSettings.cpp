#include "FTrelvoSettings.h"

#include "app/modMsgDlgs.h"
#include "data/clsOrvikSettings.h"
#include "ui/FormSettings.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 382;
constexpr int ClientHeight = 151;
constexpr int BottomPanelHeight = 41;

QCheckBox *NewCheckBox(QWidget *parent, const char *name, const QString &caption, int top)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(16, top, 201, 17);
    return box;
}

QPushButton *NewButton(QWidget *parent, const char *name, const QString &caption, int left)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(FormSettings().ButtonFont);
    button->setGeometry(left, 8, 75, 25);
    return button;
}

// Loaded globals already hold the item; a collection loaded some other way gets it added
// with its default, and kept where the board reads it.
TSysDataItem *KeptItem(TOrvikGlobalSettings &settings, TSysDataItem *TOrvikGlobalSettings::*field, const char *key)
{
    TSysDataItem *&item = settings.*field;
    if (!item)
        item = settings.FindOrAddGlobal(QString::fromLatin1(key), QStringLiteral("0"));
    return item;
}

} // namespace

TfrmTrelvoSettings::TfrmTrelvoSettings(TOrvikGlobalSettings &settings, QWidget *parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("frmTrelvoSettings"));
    setWindowTitle(QStringLiteral("Trelvo Settings"));
    setFont(FormSettings().DialogFont);
    setFixedSize(ClientWidth, ClientHeight);

    grpSettings = new QGroupBox(QStringLiteral("Settings"), this);
    grpSettings->setObjectName(QStringLiteral("grpSettings"));
    grpSettings->setGeometry(0, 0, ClientWidth, ClientHeight - BottomPanelHeight);
    chkItemsCookedActive = NewCheckBox(grpSettings, "chkItemsCookedActive", QStringLiteral("Items Cooked In Use"), 24);
    chkLogDriverReturns = NewCheckBox(grpSettings, "chkLogDriverReturns", QStringLiteral("Log Driver Return Times"), 40);

    pnlBottom = new QFrame(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    pnlBottom->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlBottom->setGeometry(0, ClientHeight - BottomPanelHeight, ClientWidth, BottomPanelHeight);
    btnOK = NewButton(pnlBottom, "btnOK", QStringLiteral("&Ok"), 98);
    btnOK->setDefault(true);
    btnCancel = NewButton(pnlBottom, "btnCancel", QStringLiteral("&Cancel"), 194);
    btnCancel->setAutoDefault(false);

    connect(btnOK, &QPushButton::clicked, this, &TfrmTrelvoSettings::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmTrelvoSettings::btnCancelClick);
}

void TfrmTrelvoSettings::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *target = screen())
        move(target->availableGeometry().center() - rect().center());
    FormShow();
}

TSysDataItem *TfrmTrelvoSettings::ItemsCookedActive()
{
    return KeptItem(m_settings, &TOrvikGlobalSettings::AppItemsCookedActive, "APP_ITEMSCOOKED_ACTIVE");
}

TSysDataItem *TfrmTrelvoSettings::LogTimes()
{
    return KeptItem(m_settings, &TOrvikGlobalSettings::AppTrelvoLogTimes, "APP_TRELVO_LOGTIMES");
}

void TfrmTrelvoSettings::FormShow()
{
    chkItemsCookedActive->setChecked(ItemsCookedActive()->AsBoolean());
    chkLogDriverReturns->setChecked(LogTimes()->AsBoolean());
}

void TfrmTrelvoSettings::btnOKClick()
{
    const QString cookedBefore = ItemsCookedActive()->Value(), logBefore = LogTimes()->Value();
    ItemsCookedActive()->SetAsBoolean(chkItemsCookedActive->isChecked());
    LogTimes()->SetAsBoolean(chkLogDriverReturns->isChecked());
    try {
        m_settings.UpdateAll();
    } catch (...) {
        // Not stored, so not in force: the board goes on as the database says.
        ItemsCookedActive()->SetValue(cookedBefore);
        LogTimes()->SetValue(logBefore);
        throw;  // to the error report; the dialog stays open
    }
    done(mrOk);
}

void TfrmTrelvoSettings::btnCancelClick()
{
    done(mrCancel);
}

void TfrmTrelvoSettings::reject()
{
    btnCancelClick();
}
