#include "FOdometer.h"

#include "OdometerRules.h"
#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"
#include "ui/NumEditPro.h"
#include "ui/TchButton.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QStyledItemDelegate>

namespace {

constexpr int BoxHeight = 44;

TNumEditPro *WholeNumberBox(QWidget *parent, const char *name, int maximum)
{
    auto *box = new TNumEditPro(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->SetDecimalPlaces(0);
    box->SetMaxValue(Currency::FromUnits(maximum));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMinimumHeight(BoxHeight);
    box->setFont(KitFont(QStringLiteral("Arial"), 14, true));
    // A keystroke beyond the maximum is refused with a beep.
    QObject::connect(box, &TNumEditPro::OnAboveMaxValue, box, [] { QApplication::beep(); });
    return box;
}

} // namespace

TfrmOdometer::TfrmOdometer(QWidget *parent) : TfrmPosForm(parent)
{
    setWindowTitle(QStringLiteral("Delivery Settings"));
    m_centreOnInvMonitor = false;

    pnlOdometer = new QWidget(pnlMain);
    pnlOdometer->setObjectName(QStringLiteral("pnlOdometer"));
    pnlOdometer->setFont(KitFont(QStringLiteral("Arial"), 11, true));  // readable at arm's length
    auto *odometer = new QGridLayout(pnlOdometer);
    odometer->setContentsMargins(12, 10, 12, 6);
    odometer->addWidget(new QLabel(QStringLiteral("Odometer Reading"), pnlOdometer), 0, 0);
    numReading = WholeNumberBox(pnlOdometer, "numReading", MaxOdometerReading);
    odometer->addWidget(numReading, 0, 1);
    AddContent(pnlOdometer);

    grpFloat = new QGroupBox(QStringLiteral("Float"), pnlMain);
    grpFloat->setObjectName(QStringLiteral("grpFloat"));
    grpFloat->setFont(KitFont(QStringLiteral("Arial"), 11, true));
    auto *floatGrid = new QGridLayout(grpFloat);
    floatGrid->setContentsMargins(12, 8, 12, 8);
    floatGrid->addWidget(new QLabel(QStringLiteral("Current Float"), grpFloat), 0, 0);
    pnlCurrentFloat = new TVxPanel(grpFloat);
    pnlCurrentFloat->setObjectName(QStringLiteral("pnlCurrentFloat"));
    pnlCurrentFloat->SetBevelOuter(bvLowered);
    pnlCurrentFloat->SetAlignment(taRightJustify);
    pnlCurrentFloat->SetVAlignment(vaMiddle);
    pnlCurrentFloat->setEnabled(false);
    pnlCurrentFloat->setMinimumHeight(BoxHeight - 8);
    floatGrid->addWidget(pnlCurrentFloat, 0, 1);
    lblFloat = new QLabel(QStringLiteral("Amount"), grpFloat);
    lblFloat->setObjectName(QStringLiteral("lblFloat"));
    floatGrid->addWidget(lblFloat, 1, 0);
    numFloat = WholeNumberBox(grpFloat, "numFloat", MaxFloatAmount);
    floatGrid->addWidget(numFloat, 1, 1);
    lblTill = new QLabel(QStringLiteral("Paid from Till"), grpFloat);
    lblTill->setObjectName(QStringLiteral("lblTill"));
    floatGrid->addWidget(lblTill, 2, 0);
    cboTill = new QComboBox(grpFloat);
    cboTill->setObjectName(QStringLiteral("cboTill"));
    cboTill->setEditable(false);
    cboTill->setMinimumHeight(BoxHeight);
    cboTill->setItemDelegate(new QStyledItemDelegate(cboTill));  // honours the item heights
    floatGrid->addWidget(cboTill, 2, 1);
    floatGrid->setColumnStretch(1, 1);
    AddContent(grpFloat);

    btnOK = NewKitButton(pnlBottom, "btnOK", QStringLiteral("OK"), 0, kbDefault);
    btnCancel = NewKitButton(pnlBottom, "btnCancel", QStringLiteral("Cancel"), mrCancel, kbCancel);
    connect(btnOK, &TTchButton::OnClick, this, &TfrmOdometer::btnOKClick);
    numReading->installEventFilter(this);
    setFixedWidth(420);
}

void TfrmOdometer::SetFloatEntryEnabled(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{numFloat, lblFloat, lblTill, cboTill})
        w->setEnabled(enabled);
}

void TfrmOdometer::SetEmpNum(const QString &number)
{
    TfrmPosForm::SetEmpNum(number);
    try {
        pnlCurrentFloat->SetCaption(QLocale().toCurrencyString(CurrentFloat(Emp()).ToDouble()));
        lblFloat->setText(FloatCaption(Emp()));
    } catch (const std::exception &e) {
        ShowInformation(QStringLiteral("Could not determine the employee's current float.\rReason: ") + ExceptionMessage(e) + u'\r' +
                        QStringLiteral("Raised in TfrmOdometer.SetEmpNum"));
    }
}

int TfrmOdometer::Tillshift() const
{
    return cboTill->currentIndex() > 0 ? cboTill->currentData().toInt() : 0;
}

void TfrmOdometer::showEvent(QShowEvent *event)
{
    TfrmPosForm::showEvent(event);  // stays centred: not moved to the "INV MONITOR" monitor
    numReading->SetValue(Currency::FromDouble(m_reading));
    numFloat->SetValue(m_float);
    PopulateTillsCombo();
    numReading->setFocus();
    numReading->selectAll();
}

void TfrmOdometer::PopulateTillsCombo()
{
    cboTill->clear();
    cboTill->addItem(QStringLiteral("Not paid from till"), 0);
    try {
        const QList<TTillShiftChoice> choices = TillShiftChoices(AdoConnection());
        for (qsizetype i = 1; i < choices.size(); ++i)
            cboTill->addItem(choices.at(i).Text, choices.at(i).ShiftNum);
    } catch (const std::exception &e) {
        ShowInformation(QStringLiteral("Could not populate the till list. Reason: ") + ExceptionMessage(e) + u'\r' +
                        QStringLiteral("Raised in TfrmOdometer.PopulateTillsCombo"));
    }
    for (int i = 0; i < cboTill->count(); ++i)
        cboTill->setItemData(i, QSize(0, BoxHeight), Qt::SizeHintRole);
    cboTill->setCurrentIndex(0);
}

bool TfrmOdometer::eventFilter(QObject *watched, QEvent *event)
{
    // With the keypad alone: Enter after the reading moves on to the float.
    if (watched == numReading && event->type() == QEvent::KeyPress && numFloat->isEnabled()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Enter || key == Qt::Key_Return) {
            numFloat->setFocus();
            numFloat->selectAll();
            return true;
        }
    }
    return TfrmPosForm::eventFilter(watched, event);
}

void TfrmOdometer::btnOKClick()
{
    m_reading = numReading->Value().ToDouble();
    m_float = numFloat->Value();
    done(mrOk);
}
