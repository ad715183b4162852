#include "FPosForm.h"

#include "TchButton.h"
#include "app/clsEVxException.h"
#include "app/modWindows.h"
#include "data/clsOrvikSettings.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TTchButton *NewKitButton(QWidget *parent, const char *name, const QString &caption, int modalResult, TKitButtonRole role)
{
    auto *button = new TTchButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->SetModalResult(modalResult);
    if (role == kbDefault)
        button->SetDefault(true);
    else if (role == kbCancel)
        button->SetCancel(true);
    return button;
}

void ArrangeButtonPanel(TVxControlsPanel *panel)
{
    if (!panel)
        return;
    struct TRearrange {
        TVxControlsPanel *panel;
        ~TRearrange() { panel->ArrangeControls(); }
    } rearrange{panel};
    const TFormSettings &look = FormSettings();
    const int height = std::max(look.ButtonHeight, TouchButtonMinHeight);
    const int width = std::max(look.ButtonWidth, TouchButtonMinWidth);
    QFont font = look.ButtonFont;
    font.setPointSize(std::max(font.pointSize(), 10));  // readable on a finger-sized button
    panel->setFixedHeight(std::max(look.ButtonPanelHeight, height + 10));
    panel->SetHorizSpacing(look.ButtonSpacing);
    panel->SetVertAlignment(vaMiddle);
    const auto children = panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        child->resize(width, height);
        if (auto *speed = qobject_cast<QToolButton *>(child)) {
            QFont bold = speed->font();
            bold.setBold(true);
            speed->setFont(bold);
        } else if (auto *button = qobject_cast<TTchButton *>(child)) {
            button->setFont(font);
            button->SetColor(look.ButtonColour);
        } else {
            child->setFont(font);
        }
    }
}

TfrmPosForm::TfrmPosForm(QWidget *parent) : QDialog(parent)
{
    setFont(KitFont(QStringLiteral("Arial"), 10, true));
    auto *formLayout = new QVBoxLayout(this);
    formLayout->setContentsMargins(0, 0, 0, 0);
    pnlMain = new TVxPanel(this);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    pnlMain->SetBevelOuter(bvNone);
    pnlMain->SetAlign(alClient);
    formLayout->addWidget(pnlMain);
    m_mainLayout = new QVBoxLayout(pnlMain);
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->setSpacing(0);
    pnlBottom = new TVxControlsPanel(pnlMain);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    pnlBottom->SetAlign(alBottom);
    pnlBottom->SetHorizAlignment(taCenter);
    pnlBottom->SetVertAlignment(vaMiddle);
    pnlBottom->setFixedHeight(45);
    m_mainLayout->addWidget(pnlBottom);
}

void TfrmPosForm::AddContent(QWidget *widget, int stretch)
{
    m_mainLayout->insertWidget(m_mainLayout->count() - 1, widget, stretch);
}

void TfrmPosForm::SetEmpNum(const QString &number)
{
    if (!m_connection)
        throw EVxException(QStringLiteral("TfrmPosForm.AdoConnection property has not been set"), QStringLiteral("TfrmPosForm.SetEmpNum"));
    m_empNum = number;
    if (number.isEmpty())
        return;
    m_emp.SetAdoConnection(m_connection);
    m_emp.LoadByEmpNum(number);
}

void TfrmPosForm::SetDialogFrame(bool framed)
{
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, !framed);
    if (wasVisible)
        show();
}

void TfrmPosForm::SetClientHeight(int height)
{
    setFixedHeight(height);
}

void TfrmPosForm::SetFormLook(TFormLook look)
{
    m_formLook = look;
    FormSettings().ApplyLook(look);
    if (look == flNormal)
        setFont(KitFont(QStringLiteral("Arial"), 8));
    else
        setFont(KitFont(QStringLiteral("Arial"), 10, true));
    SetDialogFrame(look != flTouchScreen || m_showBorder);
    ArrangeButtonPanel(pnlBottom);
}

void TfrmPosForm::SetShowBorder(bool value)
{
    m_showBorder = value;
    if (value)
        SetDialogFrame(true);
}

void TfrmPosForm::ArrangeButtonPanel(TVxControlsPanel *panel)
{
    ::ArrangeButtonPanel(panel);
}

void TfrmPosForm::ApplyFormLook()
{
    SetFormLook(FormSettings().Look);
}

int TfrmPosForm::ShowModal()
{
    ApplyFormLook();
    if (m_showBorder)
        SetDialogFrame(true);
    return exec();
}

void TfrmPosForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ArrangeButtonPanel(pnlBottom);
    if (m_centreOnInvMonitor && OrvikSettings && OrvikSettings->LocalSettings.InvMonitor)
        CentreOnMonitor(static_cast<int>(OrvikSettings->LocalSettings.InvMonitor->AsInteger()), this);
}

void TfrmPosForm::done(int result)
{
    m_showBorder = false;
    QDialog::done(result);
}

void TfrmPosForm::reject()
{
    done(mrCancel);
}
