#pragma once

#include "FNumPad_Text.h"

// The masked password prompt "Controlled Access".
class TfrmPassword : public TfrmNumPad_Text {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    QLabel *lblHeader;
};

// Masks every character of the box with "*".
void MaskWithStars(QLineEdit *box);
