#pragma once

#include "data/Currency.h"

#include <QLineEdit>

// A number box that takes digits, "." and Backspace only, with at most DecimalPlaces
// decimals and within MinValue to MaxValue: a digit that would leave the range is dropped
// and reported. The text always holds a number; "0" is replaced by the first digit.
class TNumEditPro : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEditPro(QWidget *parent = nullptr);

    Currency Value() const;
    void SetValue(Currency value);
    // Refused with an information message when below 0 or beyond the other limit; a limit
    // that shuts the value out brings the value to it.
    Currency MinValue() const { return m_minValue; }
    void SetMinValue(Currency value);
    Currency MaxValue() const { return m_maxValue; }
    void SetMaxValue(Currency value);
    int DecimalPlaces() const { return m_decimalPlaces; }
    void SetDecimalPlaces(int places) { m_decimalPlaces = places; }

signals:
    void OnAboveMaxValue();
    void OnBelowMinValue();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FixText();

    Currency m_minValue;
    Currency m_maxValue = Currency::FromUnits(999999999);
    int m_decimalPlaces = 2;
    bool m_fixing = false;
};
