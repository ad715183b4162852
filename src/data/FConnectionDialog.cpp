#include "FConnectionDialog.h"

#include "AdoObjects.h"
#include "app/GuiPrompts.h"
#include "app/clsEVxException.h"
#include "datamodOrvik.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kDataSource = QStringLiteral("Data Source");
const QString kPort = QStringLiteral("Port");

// A server answers a login within this many seconds or the test reports it unreachable.
constexpr int TestLoginTimeout = 3;

QString EmbeddedDefault()
{
    return QStringLiteral("Provider=SQLite;Data Source=") + TdmOrvik::DefaultDatabaseFile() + u';';
}

QLineEdit *NewEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QPushButton *NewButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

// ---- TConnectionFields

TConnectionFields TConnectionFields::From(const TConnectionString &text)
{
    TConnectionFields fields;
    fields.engine = text.Engine();
    if (fields.engine == TEngine::SQLite) {
        fields.file = text.DataSource();
        return fields;
    }
    fields.server = text.Host();
    fields.port = text.Port() > 0 ? QString::number(text.Port()) : QString();
    fields.database = text.Catalog();
    fields.user = text.User();
    fields.password = text.Password();
    return fields;
}

TConnectionString TConnectionFields::ApplyTo(TConnectionString base) const
{
    TEngine baseEngine;
    if (!TConnectionString::TryEngine(base.Provider(), &baseEngine) || baseEngine != engine)
        base.SetValue(QStringLiteral("Provider"), TConnectionString::ProviderOf(engine));
    // Keys the string already has are rewritten, even when blank; new ones only when given.
    auto put = [&base](const QString &key, const QString &value) {
        if (!value.isEmpty() || base.Has(key))
            base.SetValue(key, value);
    };
    if (engine == TEngine::SQLite) {
        // A file has no server login: drop those keys rather than leave them blank.
        for (const QString &key : {kPort, QStringLiteral("Initial Catalog"), QStringLiteral("User ID"), QStringLiteral("Password"),
                                   QStringLiteral("Persist Security Info")})
            base.Remove(key);
        base.SetValue(kDataSource, file.trimmed());
        return base;
    }
    QString source = server.trimmed();
    const QString portText = port.trimmed();
    // SQL Server's own form is "host,port"; a string that already has a Port key keeps it.
    if (engine == TEngine::SqlServer && !base.Has(kPort) && !portText.isEmpty())
        source += u',' + portText;
    else
        put(kPort, portText);
    base.SetValue(kDataSource, source);
    put(QStringLiteral("Initial Catalog"), database.trimmed());
    put(QStringLiteral("User ID"), user.trimmed());
    put(QStringLiteral("Password"), password);
    return base;
}

// ---- TfrmConnection

TfrmConnection::TfrmConnection(const QString &initial, QWidget *parent)
    : QDialog(parent),
      cmbEngine(new QComboBox(this)),
      m_form(new QFormLayout),
      m_fileRow(new QHBoxLayout),
      txtFile(NewEdit(this, "txtFile")),
      btnBrowse(NewButton(this, "btnBrowse", QStringLiteral("Browse..."))),
      txtServer(NewEdit(this, "txtServer")),
      txtPort(NewEdit(this, "txtPort")),
      txtDatabase(NewEdit(this, "txtDatabase")),
      txtUser(NewEdit(this, "txtUser")),
      txtPassword(NewEdit(this, "txtPassword")),
      btnTest(NewButton(this, "btnTest", QStringLiteral("Test Connection"))),
      lblTestResult(new QLabel(this)),
      lblNote(new QLabel(this)),
      btnOK(NewButton(this, "btnOK", QStringLiteral("OK"))),
      btnCancel(NewButton(this, "btnCancel", QStringLiteral("Cancel")))
{
    setWindowTitle(QStringLiteral("Database Connection"));
    cmbEngine->setObjectName(QStringLiteral("cmbEngine"));
    cmbEngine->addItem(QStringLiteral("Embedded file (SQLite)"), int(TEngine::SQLite));
    cmbEngine->addItem(QStringLiteral("PostgreSQL server"), int(TEngine::PostgreSQL));
    cmbEngine->addItem(QStringLiteral("SQL Server"), int(TEngine::SqlServer));
    txtPort->setValidator(new QIntValidator(1, 65535, txtPort));
    txtPassword->setEchoMode(QLineEdit::Password);
    lblTestResult->setObjectName(QStringLiteral("lblTestResult"));
    lblTestResult->setTextFormat(Qt::PlainText);
    lblTestResult->setWordWrap(true);
    lblTestResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setTextFormat(Qt::PlainText);
    lblNote->setWordWrap(true);
    lblNote->hide();
    btnOK->setDefault(true);

    m_fileRow->addWidget(txtFile, 1);
    m_fileRow->addWidget(btnBrowse);
    m_form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_form->addRow(QStringLiteral("Database engine:"), cmbEngine);
    m_form->addRow(QStringLiteral("Database file:"), m_fileRow);
    m_form->addRow(QStringLiteral("Server:"), txtServer);
    m_form->addRow(QStringLiteral("Port:"), txtPort);
    m_form->addRow(QStringLiteral("Database:"), txtDatabase);
    m_form->addRow(QStringLiteral("User name:"), txtUser);
    m_form->addRow(QStringLiteral("Password:"), txtPassword);


    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(lblNote);
    layout->addLayout(m_form);
    layout->addWidget(btnTest, 0, Qt::AlignLeft);
    layout->addWidget(lblTestResult);
    layout->addStretch();
    layout->addLayout(buttons);

    ApplyTouchLook(this);
    // Labels as tall as their fields, so their text sits level with the field's.
    for (int row = 0; row < m_form->rowCount(); ++row)
        m_form->itemAt(row, QFormLayout::LabelRole)->widget()->setMinimumHeight(TouchControlHeight);
    setMinimumWidth(760);

    try {
        m_base = TConnectionString::Parse(initial);
    } catch (const std::exception &e) {
        m_base = TConnectionString::Parse(EmbeddedDefault());
        lblNote->setText(QStringLiteral("The connection string could not be read: ") + ExceptionMessage(e)
                         + QStringLiteral("\nThe embedded database is offered instead."));
        lblNote->show();
    }
    Fill(TConnectionFields::From(m_base));

    connect(cmbEngine, &QComboBox::currentIndexChanged, this, &TfrmConnection::EngineChanged);
    for (QLineEdit *edit : {txtFile, txtServer, txtPort, txtDatabase, txtUser, txtPassword})
        connect(edit, &QLineEdit::textChanged, this, &TfrmConnection::FieldsChanged);
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmConnection::Browse);
    connect(btnTest, &QPushButton::clicked, this, &TfrmConnection::TestConnection);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmConnection::Fill(const TConnectionFields &fields)
{
    cmbEngine->setCurrentIndex(cmbEngine->findData(int(fields.engine)));
    // A server string still offers the embedded file should the user switch to it.
    txtFile->setText(fields.file.isEmpty() ? TdmOrvik::DefaultDatabaseFile() : fields.file);
    txtServer->setText(fields.server);
    txtPort->setText(fields.port);
    txtDatabase->setText(fields.database);
    txtUser->setText(fields.user);
    txtPassword->setText(fields.password);
    EngineChanged();
}

TConnectionFields TfrmConnection::Fields() const
{
    TConnectionFields fields;
    fields.engine = TEngine(cmbEngine->currentData().toInt());
    fields.file = txtFile->text();
    fields.server = txtServer->text();
    fields.port = txtPort->text();
    fields.database = txtDatabase->text();
    fields.user = txtUser->text();
    fields.password = txtPassword->text();
    return fields;
}

QString TfrmConnection::ConnectionString() const
{
    return Fields().ApplyTo(m_base).ToString();
}

void TfrmConnection::EngineChanged()
{
    const TEngine engine = TEngine(cmbEngine->currentData().toInt());
    const bool file = engine == TEngine::SQLite;
    m_form->setRowVisible(m_fileRow, file);
    for (QLineEdit *edit : {txtServer, txtPort, txtDatabase, txtUser, txtPassword})
        m_form->setRowVisible(edit, !file);
    txtPort->setPlaceholderText(engine == TEngine::PostgreSQL ? QStringLiteral("5432") : QStringLiteral("1433"));
    FieldsChanged();
    FitHeight();
}

void TfrmConnection::FieldsChanged()
{
    // An outcome is only true of the settings it was tested with.
    ShowTestResult({}, {});
    const bool file = TEngine(cmbEngine->currentData().toInt()) == TEngine::SQLite;
    btnOK->setEnabled(!(file ? txtFile : txtServer)->text().trimmed().isEmpty());
    btnTest->setEnabled(btnOK->isEnabled());
}

void TfrmConnection::Browse()
{
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Database File"), txtFile->text(),
                                                        QStringLiteral("Database files (*.db *.sqlite *.sqlite3);;All files (*)"),
                                                        nullptr, QFileDialog::DontConfirmOverwrite);
    if (!chosen.isEmpty())
        txtFile->setText(chosen);
}

void TfrmConnection::TestConnection()
{
    const TConnectionFields fields = Fields();
    // Opening a missing file would create it empty, and the program gives the suite's
    // tables only to a file it creates itself.
    if (fields.engine == TEngine::SQLite && !QFileInfo::exists(fields.file.trimmed())) {
        ShowTestResult(QStringLiteral("The file does not exist yet: it is created with the suite's tables when the program connects."),
                       {});
        return;
    }
    ShowTestResult(QStringLiteral("Connecting..."), {});
    lblTestResult->repaint();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        TAdoConnection probe;
        probe.SetLoginTimeout(TestLoginTimeout);
        probe.SetConnectionString(ConnectionString());
        probe.Open();
        ShowTestResult(QStringLiteral("Test connection succeeded."), QColor(0, 100, 0));
    } catch (const std::exception &e) {
        ShowTestResult(ExceptionMessage(e), QColor(176, 0, 0));
    }
    QGuiApplication::restoreOverrideCursor();
}

void TfrmConnection::ShowTestResult(const QString &text, const QColor &colour)
{
    const bool changed = lblTestResult->text() != text;
    lblTestResult->setText(text);
    lblTestResult->setVisible(!text.isEmpty());
    // A palette, not a style sheet: clearing a style sheet loses the inherited font.
    QPalette shade = palette();
    if (colour.isValid())
        shade.setColor(QPalette::WindowText, colour);
    lblTestResult->setPalette(shade);
    // A message of several lines makes room for itself instead of squeezing the fields.
    if (changed)
        FitHeight();
}

void TfrmConnection::FitHeight()
{
    // At the present width: a wrapped message measured narrower would leave a gap. The
    // layout first lowers the minimum height, which would otherwise stop the shrinking.
    layout()->activate();
    const int height = heightForWidth(width());
    resize(width(), height > 0 ? height : sizeHint().height());
}

std::optional<QString> TfrmConnection::Edit(const QString &initial, QWidget *parent)
{
    TfrmConnection form(initial, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.ConnectionString();
}
