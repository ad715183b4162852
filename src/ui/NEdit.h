#pragma once

#include <QLineEdit>

// A number box for digits, "+", "-" (unless AllowNegative is false), "." and the
// characters of PermittedAlpha. Entering shows the plain value selected; leaving stores
// the value and shows it with DecimalPlaces decimals, as a percentage or as money.
// A text shorter than MinLength keeps the focus with an error message.
class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEdit(QWidget *parent = nullptr);

    double Value() const;  // 0 for an empty text
    void SetValue(double value);
    int DecimalPlaces() const { return m_decimalPlaces; }
    void SetDecimalPlaces(int places) { m_decimalPlaces = places; }
    bool IsCurrency() const { return m_isCurrency; }
    void SetIsCurrency(bool value) { m_isCurrency = value; }
    bool IsPercent() const { return m_isPercent; }
    void SetIsPercent(bool value) { m_isPercent = value; }
    int MinLength() const { return m_minLength; }
    void SetMinLength(int length) { m_minLength = length; }
    bool AllowNegative() const { return m_allowNegative; }
    void SetAllowNegative(bool value) { m_allowNegative = value; }
    QString PermittedAlpha() const { return m_permittedAlpha; }
    void SetPermittedAlpha(const QString &characters) { m_permittedAlpha = characters; }
    bool FormatOnExit() const { return m_formatOnExit; }
    void SetFormatOnExit(bool value) { m_formatOnExit = value; }

signals:
    // Only for editing keys, "+", "-", ".", digits and the permitted characters.
    void OnKeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Shows the message once the focus has settled, then takes the focus back.
    void RefuseLeaving(const QString &message);

    double m_value = 0;
    int m_decimalPlaces = 0;
    bool m_isCurrency = false;
    bool m_isPercent = false;
    int m_minLength = 0;
    bool m_allowNegative = true;
    QString m_permittedAlpha;
    bool m_formatOnExit = true;
    bool m_refused = false;
};
