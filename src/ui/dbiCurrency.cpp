#include "dbiCurrency.h"

#include "KitControl.h"
#include "NumericRules.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

TdbiCurrency::TdbiCurrency(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, &TdbiCurrency::OnChange);
    SetValue(Currency());
}

namespace {

QChar FirstOr(const QString &text, QChar fallback)
{
    return text.isEmpty() ? fallback : text.at(0);
}

} // namespace

QChar TdbiCurrency::Separator()
{
    return FirstOr(QLocale().decimalPoint(), u'.');
}

QChar TdbiCurrency::ThousandsSeparator()
{
    return FirstOr(QLocale().groupSeparator(), u',');
}

void TdbiCurrency::SetValue(Currency value)
{
    m_value = value;
    setText(GeneralNumberText(value, Separator()));
}

void TdbiCurrency::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const QChar key = event->key() == Qt::Key_Backspace ? KeyBackspace : typed.size() == 1 ? typed.at(0) : QChar();
    // Keys that type nothing (arrows, Delete, Tab, Enter) are the box's own business.
    if (key.isNull() || (!key.isPrint() && key != KeyBackspace))
        return QLineEdit::keyPressEvent(event);
    if (!CurrencyKeyTaken(EditStateOf(*this), key, m_decimalPlaces, m_maxValue, Separator())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TdbiCurrency::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    setText(GeneralNumberText(m_value, Separator()));
    // After the click that gave the focus has placed the caret.
    QMetaObject::invokeMethod(this, &QLineEdit::selectAll, Qt::QueuedConnection);
}

void TdbiCurrency::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const std::optional<Currency> parsed = ParseCurrencyText(text(), Separator());
    if (!parsed)
        SetValue(Currency());  // a lone separator, say: nothing worth keeping
    else
        m_value = *parsed;
    if (m_isCurrency && !m_formatOnExit.isEmpty())
        setText(FormatFloat(m_formatOnExit, m_value, Separator(), ThousandsSeparator()));
}
