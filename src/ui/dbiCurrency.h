#pragma once

#include "data/Currency.h"

#include <QLineEdit>

// A money box: digits, Backspace and the workstation's decimal separator, at most
// DecimalPlaces decimals and never above MaxValue (0: no maximum); a refused key beeps.
// Entering shows the plain value selected; leaving stores it and, for a currency box
// with FormatOnExit, shows it through that picture.
class TdbiCurrency : public QLineEdit {
    Q_OBJECT
public:
    explicit TdbiCurrency(QWidget *parent = nullptr);

    Currency Value() const { return m_value; }
    void SetValue(Currency value);  // shown in the shortest general form
    int DecimalPlaces() const { return m_decimalPlaces; }
    void SetDecimalPlaces(int places) { m_decimalPlaces = places; }
    Currency MaxValue() const { return m_maxValue; }
    void SetMaxValue(Currency value) { m_maxValue = value; }
    bool IsCurrency() const { return m_isCurrency; }
    void SetIsCurrency(bool value) { m_isCurrency = value; }
    QString FormatOnExit() const { return m_formatOnExit; }
    void SetFormatOnExit(const QString &format) { m_formatOnExit = format; }
    Qt::Alignment AlignMent() const { return alignment(); }
    void SetAlignMent(Qt::Alignment alignment) { setAlignment(alignment); }

    // The workstation's decimal and thousands separators.
    static QChar Separator();
    static QChar ThousandsSeparator();

signals:
    void OnChange();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    Currency m_value;
    int m_decimalPlaces = 2;
    Currency m_maxValue;
    bool m_isCurrency = false;
    QString m_formatOnExit;
};
