#include "NumEditPro.h"

#include "KitControl.h"
#include "NumericRules.h"
#include "app/modMsgDlgs.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

namespace {

const QString RangeMessage = QStringLiteral("Enter a number in the range 0 to 999999999");

} // namespace

TNumEditPro::TNumEditPro(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TNumEditPro::FixText);
    setText(QStringLiteral("0"));
}

Currency TNumEditPro::Value() const
{
    return NumEditProValue(text());
}

void TNumEditPro::SetValue(Currency value)
{
    setText(GeneralNumberText(value));
}

void TNumEditPro::SetMaxValue(Currency value)
{
    if (value < Currency())
        return ShowInformation(RangeMessage);
    if (value < m_minValue)
        return ShowInformation(QStringLiteral("Cannot enter a maximum value that is smaller then the minimun value"));
    if (value < m_maxValue && Value() > value)
        SetValue(value);
    m_maxValue = value;
}

void TNumEditPro::SetMinValue(Currency value)
{
    if (value < Currency())
        return ShowInformation(RangeMessage);
    if (value > m_maxValue)
        return ShowInformation(QStringLiteral("Cannot enter a minimum value that is bigger than the maximum value"));
    if (value > m_minValue && Value() < value)
        SetValue(value);
    m_minValue = value;
}

void TNumEditPro::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const QChar key = event->key() == Qt::Key_Backspace ? KeyBackspace : typed.size() == 1 ? typed.at(0) : QChar();
    // Enter and the keys that type nothing (arrows, Delete, Tab) keep their usual meaning.
    if (key.isNull() || key == u'\r' || (!key.isPrint() && key != KeyBackspace))
        return QLineEdit::keyPressEvent(event);
    switch (NumEditProKey(EditStateOf(*this), key, m_decimalPlaces, m_minValue, m_maxValue)) {
    case nkTake:
        return QLineEdit::keyPressEvent(event);
    case nkReplace:
        setText(QString(key));
        break;
    case nkAboveMax:
        emit OnAboveMaxValue();
        break;
    case nkBelowMin:
        emit OnBelowMinValue();
        break;
    case nkDrop:
        break;
    }
    event->accept();
}

// After every change the text is made a number again, which may change it once more.
void TNumEditPro::FixText()
{
    if (m_fixing)
        return;
    const QScopedValueRollback<bool> fixing(m_fixing, true);
    QString current = text();
    for (;;) {
        const TNumEditProFix fix = NumEditProAfterChange(current);
        if (fix.invalid)
            ShowInformation(QStringLiteral("Please enter a number in the range \"") + GeneralNumberText(m_minValue) + QStringLiteral(" to ") +
                            GeneralNumberText(m_maxValue) + u'"');
        if (fix.text == current && fix.caret == cfKeep)
            break;
        setText(fix.text);
        if (fix.caret == cfSelectAll)
            selectAll();
        else if (fix.caret == cfEnd)
            end(false);
        current = fix.text;
        if (fix.caret != cfKeep && !fix.invalid)
            break;
    }
}
