#include "FNumPad.h"

#include "TchButton.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

constexpr int PadWidth = 300;
constexpr int PadHeight = 320;  // rows of 64: a fingertip each

} // namespace

TfrmNumPad::TfrmNumPad(QWidget *parent) : TfrmPosForm(parent)
{
    pnlTop = new TVxPanel(pnlMain);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    pnlTop->SetBevelOuter(bvNone);
    pnlTop->setFixedHeight(40);
    AddContent(pnlTop);

    numPad = new TNumberPad(pnlMain);
    numPad->setObjectName(QStringLiteral("numPad"));
    numPad->setFocusPolicy(Qt::NoFocus);  // the form forwards the keys
    numPad->SetColours(QColor(Qt::darkBlue), QApplication::palette().color(QPalette::ToolTipBase));
    numPad->setFont(KitFont(QStringLiteral("Arial"), 14, true));
    numPad->setFixedHeight(PadHeight);
    AddContent(numPad, 1);

    btnOK = NewKitButton(pnlBottom, "btnOK", QStringLiteral("OK"), mrOk, kbDefault);
    btnCancel = NewKitButton(pnlBottom, "btnCancel", QStringLiteral("Cancel"), mrCancel);  // Esc is the form's
    setFixedWidth(PadWidth);
    installEventFilter(this);
}

void TfrmNumPad::SetFormLook(TFormLook look)
{
    TfrmPosForm::SetFormLook(look);
    QFont padFont = FormSettings().ButtonFont;
    padFont.setFamily(QStringLiteral("Arial"));
    if (FormSettings().Look == flTouchScreen) {
        SetDialogFrame(ShowBorder());
        pnlMain->SetBorderStyle(bsSingle);
        numPad->show();
        padFont.setPointSize(14);
        padFont.setBold(true);
        numPad->setFont(padFont);
        SetClientHeight(pnlTop->height() + numPad->height() + pnlBottom->height());
    } else {
        SetDialogFrame(true);
        pnlMain->SetBorderStyle(bsNone);
        numPad->hide();
        numPad->setFont(padFont);
        SetClientHeight(pnlTop->height() + pnlBottom->height());
    }
}

void TfrmNumPad::showEvent(QShowEvent *event)
{
    TfrmPosForm::showEvent(event);
    WatchKeys();
}

void TfrmNumPad::WatchKeys()
{
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
}

bool TfrmNumPad::FormKeyDown(QKeyEvent &event)
{
    const int key = VirtualKeyOf(event);
    if (key == vkEscape) {
        if (numPad->isHidden() || numPad->Value() == 0)
            done(mrCancel);
        else
            numPad->HandleKey(key);
        return true;  // else the dialog's own Esc would cancel after the clearing
    }
    if (ForwardKeys)
        numPad->HandleKey(key);
    return false;
}

bool TfrmNumPad::eventFilter(QObject *watched, QEvent *event)
{
    // A key reaches the filter once per widget it passes; the first one is the focus widget.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const QWidget *target = focusWidget() ? focusWidget() : this;
        if (widget == target || (widget == this && !isAncestorOf(target)))
            return FormKeyDown(*static_cast<QKeyEvent *>(event));
    }
    return TfrmPosForm::eventFilter(watched, event);
}
