#include "FNumPad_Text.h"

#include "TchButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int WrapFrom = 40;  // prompts this long wrap onto more lines
constexpr int TextBoxHeight = 44;

} // namespace

TfrmNumPad_Text::TfrmNumPad_Text(QWidget *parent) : TfrmNumPad(parent)
{
    setWindowFlag(Qt::WindowSystemMenuHint, false);
    m_topLayout = new QVBoxLayout(pnlTop);
    m_topLayout->setContentsMargins(0, 0, 0, 0);
    m_topLayout->setSpacing(0);
    pnlTopMain = new QWidget(pnlTop);
    pnlTopMain->setObjectName(QStringLiteral("pnlTopMain"));
    m_topLayout->addWidget(pnlTopMain);
    lblPrompt = new QLabel(pnlTopMain);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    lblPrompt->setAlignment(Qt::AlignCenter);
    lblPrompt->setWordWrap(true);
    lblPrompt->setTextFormat(Qt::PlainText);
    lblPrompt->setFont(KitFont(QStringLiteral("Arial"), 10, true));
    pnlText = new QWidget(pnlTopMain);
    pnlText->setObjectName(QStringLiteral("pnlText"));
    pnlText->setFixedHeight(TextBoxHeight);
    txt = new QLineEdit(pnlText);
    txt->setObjectName(QStringLiteral("txt"));
    txt->setFont(KitFont(QStringLiteral("Arial"), 14, true));
    auto *textLayout = new QVBoxLayout(pnlText);
    textLayout->setContentsMargins(8, 2, 8, 2);
    textLayout->addWidget(txt);
    auto *mainLayout = new QVBoxLayout(pnlTopMain);
    mainLayout->setContentsMargins(0, 0, 0, 5);
    mainLayout->setSpacing(0);
    mainLayout->addWidget(lblPrompt);
    mainLayout->addWidget(pnlText);

    ForwardKeys = false;
    SetAllowDecimal(false);
    connect(txt, &QLineEdit::textChanged, this, &TfrmNumPad_Text::txtChange);
    connect(numPad, &TNumberPad::OnValueChanged, this, [this](double, const QString &text) {
        txt->setText(text);
        txt->setFocus();
        txt->end(false);
    });
    connect(numPad, &TNumberPad::OnClearClick, this, [this] {
        txt->clear();
        txt->setFocus();
    });
    connect(btnOK, &TTchButton::OnClick, this, &TfrmNumPad_Text::btnOKClick);
}

void TfrmNumPad_Text::SetAllowDecimal(bool value)
{
    m_allowDecimal = value;
    numPad->SetAllowDecimal(value);
}

bool TfrmNumPad_Text::Execute(const QString &prompt, const QString &expected)
{
    m_enteredText = expected.toUpper();
    const int lineHeight = QFontMetrics(lblPrompt->font()).height() + 8;
    lblPrompt->setText(prompt);
    if (prompt.size() >= WrapFrom)
        lblPrompt->setFixedHeight(std::max(lineHeight, lblPrompt->heightForWidth(width() - 16) + 8));
    else
        lblPrompt->setFixedHeight(lineHeight);
    btnOK->setEnabled(false);
    AdjustTopPanel();
    return ShowModal() == mrOk;
}

void TfrmNumPad_Text::AdjustTopPanel()
{
    pnlTopMain->setFixedHeight(lblPrompt->height() + pnlText->height() + 5);
    int height = 0;
    for (int i = 0; i < m_topLayout->count(); ++i)
        if (QWidget *w = m_topLayout->itemAt(i)->widget())
            height += w->maximumHeight() < QWIDGETSIZE_MAX ? w->maximumHeight() : w->height();
    pnlTop->setFixedHeight(height);
}

void TfrmNumPad_Text::SetFormLook(TFormLook look)
{
    TfrmNumPad::SetFormLook(look);
    SetDialogFrame(true);
    pnlMain->SetBorderStyle(bsNone);
}

void TfrmNumPad_Text::showEvent(QShowEvent *event)
{
    TfrmNumPad::showEvent(event);
    numPad->SetValueAsString(m_initialText);
    txt->setText(m_initialText);
    txt->setFocus();
    if (m_overWrite)
        txt->selectAll();
}

bool TfrmNumPad_Text::FormKeyDown(QKeyEvent &event)
{
    if (!m_allowDecimal && (event.text() == QStringLiteral(".") || VirtualKeyOf(event) == vkDecimal))
        return true;
    return TfrmNumPad::FormKeyDown(event);
}

void TfrmNumPad_Text::txtChange(const QString &text)
{
    const QString upper = text.toUpper();
    if (upper != text) {
        const int cursor = txt->cursorPosition();
        txt->setText(upper);  // comes back here with the upper-case text
        txt->setCursorPosition(cursor);
        return;
    }
    if (!m_enteredText.isEmpty())
        btnOK->setEnabled(text == m_enteredText);
    else
        btnOK->setEnabled(!text.trimmed().isEmpty());
}

void TfrmNumPad_Text::btnOKClick()
{
    m_enteredText = txt->text().toUpper();
    setResult(mrOk);
}

void TfrmNumPad_Text::done(int result)
{
    if (result != mrOk)  // Cancel, Esc or the close box
        m_enteredText.clear();
    TfrmNumPad::done(result);
}
