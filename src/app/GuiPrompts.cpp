#include "GuiPrompts.h"

#include "clocking/FOdometer.h"
#include "data/FConnectionDialog.h"
#include "data/clsOrvikSettings.h"
#include "tills/FTillIDSelect.h"
#include "tills/modTillID.h"
#include "ui/FConfirmPwd.h"
#include "ui/FPassword.h"
#include "ui/FTimerForm.h"
#include "ui/FormSettings.h"

#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <memory>

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

int ResultOf(TMsgDlgBtn kind)
{
    for (const TButtonKind &button : ButtonKinds)
        if (button.kind == kind)
            return button.result;
    return mrNone;
}

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

// The screen of the main window, else of the active window, else the primary one.
QScreen *MainScreen()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (qobject_cast<QMainWindow *>(window) && window->isVisible())
            return window->screen();
    if (QWidget *active = QApplication::activeWindow())
        return active->screen();
    return QGuiApplication::primaryScreen();
}

void CentreOn(QWidget *form, const QScreen *screen)
{
    if (screen)
        form->move(screen->availableGeometry().center() - form->rect().center());
}

void UseFont(QWidget *widget, const QFont &font, const QColor &colour)
{
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QPushButton *KitButton(QWidget *form, const char *name, const QString &caption, QRect bounds)
{
    const TFormSettings &look = FormSettings();
    auto *button = new QPushButton(caption, form);
    button->setObjectName(QString::fromLatin1(name));
    UseFont(button, look.ButtonFont, look.ButtonFontColour);
    button->setGeometry(bounds);
    return button;
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

// ---- The message dialog

namespace {

// The text at (50, 8), as wide as its widest line; past half the screen it wraps there.
QLabel *AddMessageLabel(QWidget *form, const QString &text, int halfScreen)
{
    const TFormSettings &look = FormSettings();
    auto *message = new QLabel(form);
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    UseFont(message, look.DialogFont, look.DialogFontColour);
    message->setText(DisplayText(text));
    const QFontMetrics metrics(look.DialogFont);
    const QStringList lines = message->text().split(u'\n');
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int lineHeight = metrics.height();
    int width = widest;
    int height = 0;
    if (widest > halfScreen) {
        message->setWordWrap(true);
        width = halfScreen;
        height = widest / width * lineHeight;
    }
    height += static_cast<int>(lines.size()) * lineHeight;
    // Every wrapped line must show, also when several lines wrap or words break early.
    if (message->wordWrap())
        height = std::max(height, metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, message->text()).height());
    message->setGeometry(50, 8, width, height);
    return message;
}

int ButtonRowWidth(const TMsgDlgButtons &buttons)
{
    const TFormSettings &look = FormSettings();
    const auto count = static_cast<int>(std::count_if(std::begin(ButtonKinds), std::end(ButtonKinds),
                                                      [&](const TButtonKind &kind) { return buttons.contains(kind.kind); }));
    return count > 0 ? count * look.ButtonWidth + (count - 1) * look.ButtonSpacing : 0;
}

// The buttons of the set in their fixed order, centred along the bottom; each closes the
// dialog with its result.
QHash<TMsgDlgBtn, QPushButton *> AddButtonRow(QDialog *form, const TMsgDlgButtons &buttons)
{
    const TFormSettings &look = FormSettings();
    QHash<TMsgDlgBtn, QPushButton *> placed;
    int x = (form->width() - ButtonRowWidth(buttons)) / 2;
    const int top = form->height() - look.ButtonHeight - 8;
    for (const TButtonKind &kind : ButtonKinds) {
        if (!buttons.contains(kind.kind))
            continue;
        QPushButton *button = KitButton(form, kind.name, QString::fromLatin1(kind.caption), {x, top, look.ButtonWidth, look.ButtonHeight});
        x += look.ButtonWidth + look.ButtonSpacing;
        const int result = kind.result;
        QObject::connect(button, &QPushButton::clicked, form, [form, result] { form->done(result); });
        placed.insert(kind.kind, button);
    }
    return placed;
}

// OK (else Yes) is the default and counts down; Cancel (else No, else OK) answers Esc.
void ChooseDefaultAndCancel(TfrmTimerForm *form, const QHash<TMsgDlgBtn, QPushButton *> &placed, int timeoutSeconds)
{
    auto first = [&placed](std::initializer_list<TMsgDlgBtn> kinds) -> std::pair<QPushButton *, int> {
        for (TMsgDlgBtn kind : kinds)
            if (QPushButton *button = placed.value(kind))
                return {button, ResultOf(kind)};
        return {nullptr, mrNone};
    };
    form->SetCancelButton(first({mbCancel, mbNo, mbOK}).first);
    form->SetTimeout(0);
    const auto [byDefault, defaultResult] = first({mbOK, mbYes});
    if (!byDefault)
        return;
    byDefault->setDefault(true);
    byDefault->setFocus();
    if (timeoutSeconds > 0) {
        form->SetCountdownButton(byDefault);
        form->SetTimeoutResult(defaultResult);
        form->SetTimeout(timeoutSeconds);
    }
}

} // namespace

std::unique_ptr<TfrmTimerForm> CreateMessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons,
                                                   int timeoutSeconds, QWidget *parent)
{
    const TFormSettings &look = FormSettings();
    auto form = std::make_unique<TfrmTimerForm>(parent);
    form->setObjectName(QStringLiteral("MessageDialog"));
    form->setWindowTitle(CaptionOf(type));
    form->setLayoutDirection(QGuiApplication::layoutDirection());
    QPalette face = form->palette();
    face.setColor(QPalette::Window, ButtonFaceColour());
    form->setPalette(face);
    form->setAutoFillBackground(true);
    const QScreen *screen = MainScreen();

    auto *image = new QLabel(form.get());
    image->setObjectName(QStringLiteral("Image"));
    image->setPixmap(form->style()->standardIcon(IconOf(type), nullptr, form.get()).pixmap(32, 32));
    image->setGeometry(8, 8, 32, 32);

    const QLabel *message = AddMessageLabel(form.get(), text, screen ? screen->geometry().width() / 2 : 512);
    form->setFixedSize(std::max(32 + message->width() + 10, ButtonRowWidth(buttons)) + 16,
                       std::max(32, message->height()) + look.ButtonHeight + 26);
    ChooseDefaultAndCancel(form.get(), AddButtonRow(form.get(), buttons), timeoutSeconds);
    CentreOn(form.get(), screen);
    return form;
}

// ---- The text question

std::unique_ptr<QDialog> CreateInputTextDialog(const QString &caption, const QString &prompt, const QString &value, QWidget *parent)
{
    const TFormSettings &look = FormSettings();
    auto form = std::make_unique<QDialog>(parent);
    form->setObjectName(QStringLiteral("InputText"));
    form->setWindowTitle(caption);
    UseFont(form.get(), look.DialogFont, look.DialogFontColour);

    // Sizes in quarters of the average letter width and eighths of the line height.
    const QFontMetrics metrics(look.DialogFont);
    const int cx = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52;
    const int cy = metrics.height();
    const int clientWidth = 180 * cx / 4;
    const int left = 8 * cx / 4;
    const int boxWidth = 164 * cx / 4;

    auto *label = new QLabel(prompt, form.get());
    label->setObjectName(QStringLiteral("lblPrompt"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    const QRect promptArea = metrics.boundingRect(QRect(0, 0, boxWidth, 1 << 20), Qt::TextWordWrap, prompt);
    label->setGeometry(left, 8 * cy / 8, std::min(boxWidth, promptArea.width()), promptArea.height());

    auto *edit = new QLineEdit(value, form.get());
    edit->setObjectName(QStringLiteral("txtValue"));
    edit->setMaxLength(255);
    edit->setGeometry(left, label->geometry().bottom() + 1 + 5, boxWidth, edit->sizeHint().height());
    edit->selectAll();
    edit->setFocus();

    const int buttonTop = edit->geometry().bottom() + 1 + 15;
    const int centre = clientWidth / 2;
    QPushButton *ok = KitButton(form.get(), "btnOK", QStringLiteral("OK"), {centre - 9 - look.ButtonWidth, buttonTop, look.ButtonWidth, look.ButtonHeight});
    ok->setDefault(true);
    QPushButton *cancel = KitButton(form.get(), "btnCancel", QStringLiteral("Cancel"), {centre + 9, buttonTop, look.ButtonWidth, look.ButtonHeight});
    QObject::connect(ok, &QPushButton::clicked, form.get(), [form = form.get()] { form->done(mrOk); });
    QObject::connect(cancel, &QPushButton::clicked, form.get(), [form = form.get()] { form->done(mrCancel); });

    form->setFixedSize(clientWidth, buttonTop + look.ButtonHeight + 13);
    CentreOn(form.get(), MainScreen());
    return form;
}

// ---- TGuiPrompts

int TGuiPrompts::MessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons, int timeoutSeconds)
{
    return CreateMessageDialog(text, type, buttons, timeoutSeconds, QApplication::activeWindow())->exec();
}

bool TGuiPrompts::InputText(const QString &caption, const QString &prompt, QString &value)
{
    const std::unique_ptr<QDialog> form = CreateInputTextDialog(caption, prompt, value, QApplication::activeWindow());
    if (form->exec() != mrOk)
        return false;
    value = form->findChild<QLineEdit *>(QStringLiteral("txtValue"))->text().trimmed();
    return !value.isEmpty();
}

std::optional<QString> TGuiPrompts::EditConnectionString(const QString &initial)
{
    return TfrmConnection::Edit(initial, QApplication::activeWindow());
}

// ---- The touch dialogs

namespace {

// A till set to the touch-screen look shows the number pad in its prompts.
void UseTillFormLook()
{
    try {
        if (OrvikSettings && OrvikSettings->LocalSettings.FormLook() == flTouchScreen)
            FormSettings().ApplyLook(flTouchScreen);
    } catch (const std::exception &) {
        // Settings not loaded yet: the shared look stays.
    }
}

std::optional<QString> AskText(TfrmNumPad_Text &form, const QString &prompt, const QString &matchText)
{
    UseTillFormLook();
    if (!form.Execute(prompt, matchText))
        return std::nullopt;
    return form.EnteredText();
}

} // namespace

std::optional<QString> TGuiPrompts::Password(const QString &prompt)
{
    TfrmPassword form(QApplication::activeWindow());
    form.SetAllowDecimal(true);
    return AskText(form, prompt, QString());
}

std::optional<QString> TGuiPrompts::NumPadText(const QString &prompt, const QString &matchText, bool allowDecimal)
{
    TfrmNumPad_Text form(QApplication::activeWindow());
    form.SetAllowDecimal(allowDecimal);
    return AskText(form, prompt, matchText);
}

std::optional<QString> TGuiPrompts::ConfirmNewPassword()
{
    TfrmConfirmPwd form(QApplication::activeWindow());
    form.SetShowBorder(true);
    if (form.ShowModal() != mrOk)
        return std::nullopt;
    return form.Password();
}

std::optional<TOdometerEntry> TGuiPrompts::OdometerAndFloat(TAdoConnection *connection, const QString &empNum)
{
    TfrmOdometer form(QApplication::activeWindow());
    form.SetShowBorder(true);
    form.SetFloatEntryEnabled(true);
    form.SetAdoConnection(connection);
    form.SetEmpNum(empNum);
    if (form.ShowModal() != mrOk)
        return std::nullopt;
    return TOdometerEntry{form.Reading(), form.Float(), form.Tillshift()};
}

std::optional<QString> TGuiPrompts::PickEmployee(TAdoConnection *connection)
{
    TfrmDbSelector form(QApplication::activeWindow());
    form.setWindowTitle(QStringLiteral("Employees"));
    form.qry.SetConnection(connection);
    form.QryStrings = {QStringLiteral("SELECT empnum AS \"Emp #\", lastname, firstname FROM employee ORDER BY lastname, firstname")};
    form.SetAllowEdit(true);  // for the Cancel button; the list itself is not edited
    form.nav->hide();
    if (!form.Execute() || form.CurrentRow() < 0)
        return std::nullopt;
    SeekRow(form.qry, form.CurrentRow());
    return form.qry.FieldByName(QStringLiteral("Emp #")).AsString();
}

int TGuiPrompts::SelectTill(TAdoConnection *connection)
{
    TfrmTillIDSelect form(QApplication::activeWindow());
    form.SetAdoConnection(connection);
    form.SetAllowEdit(true);
    form.DoRefresh();
    return form.ShowModal();
}
