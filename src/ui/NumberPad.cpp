#include "NumberPad.h"

#include "NumericRules.h"
#include "TchButton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLocale>

int VirtualKeyOf(const QKeyEvent &event)
{
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (keypad ? vkNumpad0 : vk0) + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Backspace: return vkBack;
    case Qt::Key_Escape: return vkEscape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vkReturn;
    case Qt::Key_Period: return keypad ? vkDecimal : vkPeriod;
    case Qt::Key_Comma: return keypad ? vkDecimal : 0;  // the keypad's separator in some layouts
    default: return 0;
    }
}

TNumberPad::TNumberPad(QWidget *parent) : TVxPanel(parent)
{
    m_enabledButtons.set();
    SetBevelOuter(bvNone);
    setFocusPolicy(Qt::TabFocus);
    CreateButtons();
    resize(225, 75);
    m_text = QStringLiteral("0");
}

void TNumberPad::CreateButtons()
{
    m_buttons.resize(13);
    for (int digit = 0; digit <= 9; ++digit) {
        auto *button = new TTchButton(QString::number(digit), this);
        button->setObjectName(QStringLiteral("btn%1").arg(digit));
        connect(button, &TTchButton::OnClick, this, [this, digit] { NumberClick(digit); });
        m_buttons[digit] = button;
    }
    const struct {
        TNPButton which;
        const char *caption;
        const char *name;
        void (TNumberPad::*click)();
    } others[] = {
        {npDecimal, ".", "btnDecimal", &TNumberPad::DecimalClick},
        {npBack, "BS", "btnBack", &TNumberPad::BackspaceClick},
        {npClear, "C", "btnClear", &TNumberPad::ClearClick},
    };
    for (const auto &other : others) {
        auto *button = new TTchButton(QString::fromLatin1(other.caption), this);
        button->setObjectName(QString::fromLatin1(other.name));
        connect(button, &TTchButton::OnClick, this, other.click);
        m_buttons[other.which] = button;
    }
}

void TNumberPad::SetColours(const QColor &background, const QColor &text)
{
    SetColor(background);
    for (TTchButton *button : std::as_const(m_buttons)) {
        button->SetColor(background);
        button->SetFontColor(text);
    }
}

double TNumberPad::Value() const
{
    if (m_text.isEmpty())
        return 0;
    QString text = m_text;
    if (text.endsWith(u'.'))
        text.chop(1);
    return text.isEmpty() ? 0 : QLocale::c().toDouble(text);
}

void TNumberPad::SetValue(double value)
{
    SetValueAsString(GeneralNumberText(value));
}

void TNumberPad::SetValueAsString(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    SetDecimalEnabled(!TextHasPoint() && m_allowDecimal);
    m_replaceOnNextDigit = true;
    emit OnValueChanged(Value(), m_text);
}

void TNumberPad::SetAllowDecimal(bool value)
{
    m_allowDecimal = value;
    SetDecimalEnabled(value);
}

bool TNumberPad::DecimalEnabled() const
{
    return m_buttons.at(npDecimal)->isEnabledTo(this);
}

void TNumberPad::SetDecimalEnabled(bool value)
{
    TTchButton *decimal = m_buttons.at(npDecimal);
    if (m_allowDecimal) {
        decimal->setEnabled(value);
        m_enabledButtons.set(npDecimal, value);
    } else {
        decimal->setEnabled(false);
    }
    SetDecimalVisible(value);
}

bool TNumberPad::DecimalVisible() const
{
    return m_decimalVisible;
}

void TNumberPad::SetDecimalVisible(bool value)
{
    if (value == m_decimalVisible)
        return;
    m_decimalVisible = value;
    m_buttons.at(npDecimal)->setVisible(value);
    if (!value)
        SetDecimalEnabled(false);
    LayoutButtons();
}

void TNumberPad::SetEnabledButtons(TNPButtons buttons)
{
    m_enabledButtons = buttons;
    UpdateButtonStates();
}

void TNumberPad::UpdateButtonStates()
{
    const bool padEnabled = !testAttribute(Qt::WA_ForceDisabled);  // the pad's own flag
    for (int i = 0; i < m_buttons.size(); ++i)
        if (i != npDecimal)
            m_buttons.at(i)->setEnabled(m_enabledButtons.test(static_cast<size_t>(i)) && padEnabled);
    const bool decimal = m_enabledButtons.test(npDecimal) && padEnabled && m_allowDecimal;
    m_buttons.at(npDecimal)->setEnabled(decimal);
    m_decimalVisible = decimal;
    m_buttons.at(npDecimal)->setVisible(decimal);
    LayoutButtons();
}

void TNumberPad::LayoutButtons()
{
    if (!parentWidget() || m_buttons.size() < 13)
        return;
    const QRect area = InnerRect();
    const int W = area.width();
    const int H = area.height();
    const int w = W / 3;
    const int h = H / 5;
    const int x0 = area.left();
    int top = area.top();
    const TNPButton rows[3][3] = {{np7, np8, np9}, {np4, np5, np6}, {np1, np2, np3}};
    for (const auto &row : rows) {
        m_buttons.at(row[0])->setGeometry(x0, top, w, h);
        m_buttons.at(row[1])->setGeometry(x0 + w, top, w, h);
        m_buttons.at(row[2])->setGeometry(x0 + 2 * w, top, W - 2 * w, h);
        top += h;
    }
    const int row4 = H - 4 * h;
    if (m_decimalVisible) {
        m_buttons.at(np0)->setGeometry(x0, top, w, row4);
        m_buttons.at(npDecimal)->setGeometry(x0 + w, top, w, row4);
    } else {
        m_buttons.at(np0)->setGeometry(x0, top, 2 * w, row4);
    }
    m_buttons.at(npClear)->setGeometry(x0 + 2 * w, top, W - 2 * w, row4);
    top += row4;
    m_buttons.at(npBack)->setGeometry(x0, top, W, h);
}

void TNumberPad::resizeEvent(QResizeEvent *event)
{
    TVxPanel::resizeEvent(event);
    LayoutButtons();
}

void TNumberPad::showEvent(QShowEvent *event)
{
    TVxPanel::showEvent(event);
    LayoutButtons();
}

void TNumberPad::changeEvent(QEvent *event)
{
    TVxPanel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        UpdateButtonStates();
}

void TNumberPad::keyPressEvent(QKeyEvent *event)
{
    if (!HandleKey(VirtualKeyOf(*event)))
        TVxPanel::keyPressEvent(event);
}

bool TNumberPad::HandleKey(int virtualKey)
{
    if (virtualKey == vkBack)
        BackspaceClick();
    else if (virtualKey == vkEscape)
        ClearClick();
    else if (virtualKey >= vk0 && virtualKey <= vk9)
        NumberClick(virtualKey - vk0);
    else if (virtualKey >= vkNumpad0 && virtualKey <= vkNumpad9)
        NumberClick(virtualKey - vkNumpad0);
    else if (virtualKey == vkDecimal || virtualKey == vkPeriod)
        DecimalClick();
    else
        return false;
    return true;
}

void TNumberPad::NumberClick(int digit)
{
    if (m_replaceOnNextDigit)
        m_text.clear();
    m_replaceOnNextDigit = false;
    m_text += QString::number(digit);
    if (m_maxValue != 0 && Value() > m_maxValue) {
        m_text = GeneralNumberText(m_maxValue);
        // The bound may have taken the point away: the button follows the text.
        SetDecimalEnabled(!TextHasPoint() && m_allowDecimal);
    }
    emit OnValueChanged(Value(), m_text);
    emit OnNumberClick(digit);
}

void TNumberPad::DecimalClick()
{
    if (!m_buttons.at(npDecimal)->isEnabledTo(this))
        return;
    m_text += u'.';
    SetDecimalEnabled(!TextHasPoint() && m_allowDecimal);
    m_replaceOnNextDigit = false;
    emit OnValueChanged(Value(), m_text);
    emit OnDecimalClick();
}

void TNumberPad::BackspaceClick()
{
    if (m_text.size() < 2)
        m_text.clear();
    else
        m_text.chop(1);
    emit OnValueChanged(Value(), m_text);
    SetDecimalEnabled(!TextHasPoint() && m_allowDecimal);
    emit OnBackspaceClick();
}

void TNumberPad::ClearClick()
{
    SetValue(0);
    emit OnClearClick();
}
