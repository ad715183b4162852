#include "GuiPrompts.h"

#include "data/FConnectionDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace {

constexpr int TouchPointSize = 12;
constexpr int TouchButtonWidth = 100;

struct TButtonKind {
    TMsgDlgBtn kind;
    const char *name;
    const char *caption;
    int result;
};

// Left to right, as the buttons are placed.
constexpr TButtonKind ButtonKinds[] = {
    {mbYes, "Yes", "&Yes", mrYes},
    {mbNo, "No", "&No", mrNo},
    {mbOK, "OK", "OK", mrOk},
    {mbCancel, "Cancel", "Cancel", mrCancel},
};

QString CaptionOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QStringLiteral("Warning");
    case mtError: return QStringLiteral("Error");
    case mtInformation: return QStringLiteral("Information");
    case mtConfirmation: break;
    }
    return QStringLiteral("Confirm");
}

QStyle::StandardPixmap IconOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QStyle::SP_MessageBoxWarning;
    case mtError: return QStyle::SP_MessageBoxCritical;
    case mtInformation: return QStyle::SP_MessageBoxInformation;
    case mtConfirmation: break;
    }
    return QStyle::SP_MessageBoxQuestion;
}

// The texts separate their lines with carriage returns.
QString DisplayText(const QString &text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// A text with a line wider than half the screen wraps at half the screen.
void WrapAtHalfScreen(QLabel *message, const QWidget *parent)
{
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int halfScreen = screen ? screen->availableGeometry().width() / 2 : 512;
    int widest = 0;
    const QStringList lines = message->text().split(u'\n');
    for (const QString &line : lines)
        widest = std::max(widest, message->fontMetrics().horizontalAdvance(line));
    if (widest > halfScreen) {
        message->setWordWrap(true);
        message->setFixedWidth(halfScreen);
    }
}

} // namespace

void ApplyTouchLook(QWidget *form)
{
    QFont font = form->font();
    font.setPointSize(std::max(font.pointSize(), TouchPointSize));
    form->setFont(font);
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (qobject_cast<QPushButton *>(child)) {
            child->setMinimumHeight(TouchControlHeight);
            child->setMinimumWidth(std::max(TouchButtonWidth, child->sizeHint().width() + 16));
        } else if (auto *combo = qobject_cast<QComboBox *>(child)) {
            combo->setMinimumHeight(TouchControlHeight);
            // The default popup ignores item size hints; a plain delegate honours them.
            combo->setItemDelegate(new QStyledItemDelegate(combo));
            for (int i = 0; i < combo->count(); ++i)
                combo->setItemData(i, QSize(0, TouchControlHeight), Qt::SizeHintRole);
        } else if (qobject_cast<QLineEdit *>(child)) {
            child->setMinimumHeight(TouchControlHeight);
        }
    }
}

// ---- TfrmMessage

TfrmMessage::TfrmMessage(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons, int timeoutSeconds,
                         QWidget *parent)
    : QDialog(parent), m_countdown(new QTimer(this))
{
    setWindowTitle(CaptionOf(type));
    m_countdown->setObjectName(QStringLiteral("tmrCountdown"));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image"));
    icon->setPixmap(style()->standardIcon(IconOf(type), nullptr, this).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto *message = new QLabel(this);
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    message->setText(DisplayText(text));

    auto *row = new QHBoxLayout;
    row->setSpacing(19);
    row->addStretch();
    struct TPlaced {
        TMsgDlgBtn kind;
        QPushButton *button;
        int result;
    };
    std::vector<TPlaced> placed;
    for (const TButtonKind &kind : ButtonKinds) {
        if (!buttons.contains(kind.kind))
            continue;
        auto *button = new QPushButton(QString::fromLatin1(kind.caption), this);
        button->setObjectName(QString::fromLatin1(kind.name));
        button->setAutoDefault(false);
        const int result = kind.result;
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        row->addWidget(button);
        placed.push_back({kind.kind, button, result});
    }
    row->addStretch();

    // The first of the kinds that is present, in the order of preference.
    auto pick = [&placed](std::initializer_list<TMsgDlgBtn> preference) -> const TPlaced * {
        for (TMsgDlgBtn kind : preference)
            for (const TPlaced &p : placed)
                if (p.kind == kind)
                    return &p;
        return nullptr;
    };
    const TPlaced *byDefault = pick({mbOK, mbYes});
    if (!byDefault && !placed.empty())
        byDefault = &placed.front();
    m_defaultResult = byDefault ? byDefault->result : mrOk;
    const TPlaced *onEscape = pick({mbCancel, mbNo, mbOK});
    m_cancelResult = onEscape ? onEscape->result : m_defaultResult;
    if (byDefault) {
        m_default = byDefault->button;
        m_default->setDefault(true);
        m_default->setFocus();
        m_defaultCaption = m_default->text();
    }

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(icon, 0, 0);
    grid->addWidget(message, 0, 1);
    grid->addLayout(row, 1, 0, 1, 2);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(16);

    ApplyTouchLook(this);
    WrapAtHalfScreen(message, parent);

    if (timeoutSeconds > 0 && m_default) {
        m_remaining = timeoutSeconds;
        ShowRemaining();
        connect(m_countdown, &QTimer::timeout, this, &TfrmMessage::Tick);
        m_countdown->start(1000);
    }
}

void TfrmMessage::reject()
{
    done(m_cancelResult);
}

void TfrmMessage::Tick()
{
    if (--m_remaining > 0) {
        ShowRemaining();
        return;
    }
    m_countdown->stop();
    done(m_defaultResult);
}

void TfrmMessage::ShowRemaining()
{
    m_default->setText(m_defaultCaption + QStringLiteral(" (") + QString::number(m_remaining) + u')');
}

// ---- TfrmInputText

TfrmInputText::TfrmInputText(const QString &caption, const QString &prompt, const QString &value, QWidget *parent)
    : QDialog(parent), m_edit(new QLineEdit(value, this))
{
    setWindowTitle(caption);
    auto *label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("lblPrompt"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    m_edit->setObjectName(QStringLiteral("txtValue"));
    m_edit->setMaxLength(255);
    m_edit->selectAll();

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(mrCancel); });

    auto *row = new QHBoxLayout;
    row->setSpacing(18);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addSpacing(10);
    layout->addLayout(row);

    ApplyTouchLook(this);
    setMinimumWidth(fontMetrics().averageCharWidth() * 45);
    m_edit->setFocus();
}

QString TfrmInputText::Text() const
{
    return m_edit->text();
}

// ---- TGuiPrompts

int TGuiPrompts::MessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons, int timeoutSeconds)
{
    TfrmMessage form(text, type, buttons, timeoutSeconds, QApplication::activeWindow());
    return form.exec();
}

bool TGuiPrompts::InputText(const QString &caption, const QString &prompt, QString &value)
{
    TfrmInputText form(caption, prompt, value, QApplication::activeWindow());
    if (form.exec() != mrOk)
        return false;
    value = form.Text().trimmed();
    return !value.isEmpty();
}

std::optional<QString> TGuiPrompts::EditConnectionString(const QString &initial)
{
    return TfrmConnection::Edit(initial, QApplication::activeWindow());
}
