#include "NEdit.h"

#include "NumericRules.h"
#include "app/modMsgDlgs.h"

#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <utility>

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent) {}

double TNumEdit::Value() const
{
    return text().isEmpty() ? 0 : m_value;
}

void TNumEdit::SetValue(double value)
{
    m_value = value;
    setText(GeneralNumberText(value));
}

void TNumEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (NumEditKeyReported(event->key(), typed, m_permittedAlpha)) {
        QPointer<TNumEdit> self(this);
        emit OnKeyDown(event->key(), event->modifiers());
        if (!self)
            return;
    }
    const QChar key = event->key() == Qt::Key_Backspace ? KeyBackspace : typed.size() == 1 ? typed.at(0) : QChar();
    if (!key.isNull() && (key.isPrint() || key == KeyBackspace) && !NumEditCharAllowed(key, m_allowNegative, m_permittedAlpha)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TNumEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Back after a refusal, the text stays for the user to mend.
    if (m_permittedAlpha.isEmpty() && !std::exchange(m_refused, false))
        setText(GeneralNumberText(Value()));
    QMetaObject::invokeMethod(this, &QLineEdit::selectAll, Qt::QueuedConnection);
}

void TNumEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const std::optional<double> value = NumEditParse(text());
    if (!m_permittedAlpha.isEmpty()) {
        m_value = value.value_or(0);
        return;
    }
    if (!value)
        return RefuseLeaving(u'\'' + text() + QStringLiteral("' is not a valid number."));
    m_value = *value;
    if (m_minLength > 0 && !text().isEmpty() && text().size() < m_minLength)
        return RefuseLeaving(QStringLiteral("A minimum of ") + QString::number(m_minLength) + QStringLiteral(" character(s) must be entered."));
    if (m_formatOnExit)
        setText(NumEditExitText(m_value, m_decimalPlaces, m_isPercent, m_isCurrency));
}

void TNumEdit::RefuseLeaving(const QString &message)
{
    m_refused = true;
    QTimer::singleShot(0, this, [this, message] {
        ShowError(message);
        setFocus();
    });
}
