#include "FPassword.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

void MaskWithStars(QLineEdit *box)
{
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

TfrmPassword::TfrmPassword(QWidget *parent) : TfrmNumPad_Text(parent)
{
    setWindowTitle(QStringLiteral("Controlled Access"));
    lblHeader = new QLabel(QStringLiteral("A password is needed:"), pnlTop);
    lblHeader->setObjectName(QStringLiteral("lblHeader"));
    lblHeader->setFont(KitFont(QStringLiteral("MS Sans Serif"), 8));
    lblHeader->setContentsMargins(8, 4, 8, 0);
    lblHeader->setFixedHeight(QFontMetrics(lblHeader->font()).height() + 4);
    TopLayout()->insertWidget(0, lblHeader);
    MaskWithStars(txt);
}
