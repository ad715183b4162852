#pragma once

#include "VxPanel.h"

#include <QList>
#include <bitset>

class QKeyEvent;
class TTchButton;

enum TNPButton { np0, np1, np2, np3, np4, np5, np6, np7, np8, np9, npDecimal, npBack, npClear };
using TNPButtons = std::bitset<13>;

// Windows virtual-key codes, as the pad's key map is written.
enum TVirtualKey { vkBack = 8, vkReturn = 13, vkEscape = 27, vk0 = 48, vk9 = 57, vkNumpad0 = 96, vkNumpad9 = 105, vkDecimal = 110, vkPeriod = 190 };
// The virtual-key code of a Qt key press (keypad digits 96-105, keypad "." 110); 0 for others.
int VirtualKeyOf(const QKeyEvent &event);

// An on-screen number pad editing a number held as text. ValueAsString is the master copy;
// a set value is replaced by the next digit, and only one "." can be entered.
class TNumberPad : public TVxPanel {
    Q_OBJECT
public:
    explicit TNumberPad(QWidget *parent = nullptr);

    bool AllowDecimal() const { return m_allowDecimal; }
    void SetAllowDecimal(bool value);
    bool DecimalEnabled() const;
    void SetDecimalEnabled(bool value);
    bool DecimalVisible() const;
    void SetDecimalVisible(bool value);
    TNPButtons EnabledButtons() const { return m_enabledButtons; }
    void SetEnabledButtons(TNPButtons buttons);
    double MaxValue() const { return m_maxValue; }  // 0: no bound
    void SetMaxValue(double value) { m_maxValue = value; }
    double Value() const;  // 0 for an empty text
    void SetValue(double value);
    QString ValueAsString() const { return m_text; }
    void SetValueAsString(const QString &text);

    // Colours of the pad and of its buttons' captions.
    void SetColours(const QColor &background, const QColor &text);
    // True when the virtual-key code was handled.
    virtual bool HandleKey(int virtualKey);

    void NumberClick(int digit);
    void DecimalClick();
    void BackspaceClick();
    void ClearClick();

    TTchButton *Button(TNPButton which) const { return m_buttons.at(which); }

signals:
    void OnBackspaceClick();
    void OnClearClick();
    void OnDecimalClick();
    void OnNumberClick(int ANumber);
    void OnValueChanged(double ANumValue, const QString &AStrValue);

protected:
    virtual void CreateButtons();
    virtual void UpdateButtonStates();
    virtual void LayoutButtons();
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;  // a size set while hidden arrives late
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool TextHasPoint() const { return m_text.contains(u'.'); }

    QList<TTchButton *> m_buttons;  // indexed by TNPButton
    TNPButtons m_enabledButtons;
    bool m_allowDecimal = true;
    bool m_decimalVisible = true;
    double m_maxValue = 0;
    QString m_text;
    bool m_replaceOnNextDigit = true;
};
