#include "data/FConnectionDialog.h"

#include "data/AdoObjects.h"
#include "data/datamodOrvik.h"
#include "support/QtPrinters.h"
#include "support/WidgetChild.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString Text(const TfrmConnection &form, const char *edit)
{
    return Child<QLineEdit>(form, edit)->text();
}

void SetText(const TfrmConnection &form, const char *edit, const QString &text)
{
    Child<QLineEdit>(form, edit)->setText(text);
}

void ChooseEngine(const TfrmConnection &form, TEngine engine)
{
    auto *combo = Child<QComboBox>(form, "cmbEngine");
    combo->setCurrentIndex(combo->findData(int(engine)));
}

const QString SqlServerDefault = QStringLiteral(
    "Provider=SQLOLEDB.1;Persist Security Info=True;User ID=orvik;Password=zup;Initial Catalog=duDid;Data Source=shop-db;");

} // namespace

TEST(ConnectionDialog, ShowsTheFieldsOfTheInitialString)
{
    const struct {
        const char *name;
        QString initial;
        TEngine engine;
        QStringList fields;  // file, server, port, database, user, password
    } cases[] = {
        {"embedded file", QStringLiteral("Provider=SQLite;Data Source=/data/orvik.db;"), TEngine::SQLite,
         {QStringLiteral("/data/orvik.db"), {}, {}, {}, {}, {}}},
        {"SQL Server with host,port", QStringLiteral("Provider=SQLOLEDB.1;User ID=sa;Password=pw;Initial Catalog=duDid;Data Source=shop-db,1500;"),
         TEngine::SqlServer, {TdmOrvik::DefaultDatabaseFile(), QStringLiteral("shop-db"), QStringLiteral("1500"), QStringLiteral("duDid"), QStringLiteral("sa"), QStringLiteral("pw")}},
        {"PostgreSQL with a Port key", QStringLiteral("Provider=PostgreSQL;Data Source=db.local;Port=5433;Initial Catalog=orvik;User ID=pos;"),
         TEngine::PostgreSQL, {TdmOrvik::DefaultDatabaseFile(), QStringLiteral("db.local"), QStringLiteral("5433"), QStringLiteral("orvik"), QStringLiteral("pos"), {}}},
        {"SQL Server on the default port", SqlServerDefault, TEngine::SqlServer,
         {TdmOrvik::DefaultDatabaseFile(), QStringLiteral("shop-db"), {}, QStringLiteral("duDid"), QStringLiteral("orvik"), QStringLiteral("zup")}},
    };
    const char *edits[] = {"txtFile", "txtServer", "txtPort", "txtDatabase", "txtUser", "txtPassword"};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TfrmConnection form(c.initial);
        EXPECT_EQ(Child<QComboBox>(form, "cmbEngine")->currentData().toInt(), int(c.engine));
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(Text(form, edits[i]), c.fields[i]) << edits[i];
        const bool file = c.engine == TEngine::SQLite;
        EXPECT_EQ(Child<QLineEdit>(form, "txtFile")->isVisibleTo(&form), file);
        EXPECT_EQ(Child<QPushButton>(form, "btnBrowse")->isVisibleTo(&form), file);
        EXPECT_EQ(Child<QLineEdit>(form, "txtServer")->isVisibleTo(&form), !file);
        EXPECT_EQ(Child<QLineEdit>(form, "txtPassword")->echoMode(), QLineEdit::Password);
        EXPECT_FALSE(Child<QLabel>(form, "lblNote")->isVisibleTo(&form));
        // Untouched, the dialog gives back what it was given.
        EXPECT_EQ(form.ConnectionString(), c.initial);
    }
}

TEST(ConnectionDialog, AnUnreadableStringOffersTheEmbeddedDefaultWithANote)
{
    for (const char *initial : {"", "garbage without pairs", "Provider=Jet;Data Source=x.mdb;"}) {
        SCOPED_TRACE(initial);
        TfrmConnection form(QString::fromLatin1(initial));
        EXPECT_EQ(Child<QComboBox>(form, "cmbEngine")->currentData().toInt(), int(TEngine::SQLite));
        auto *note = Child<QLabel>(form, "lblNote");
        EXPECT_TRUE(note->isVisibleTo(&form));
        EXPECT_TRUE(note->text().contains(QStringLiteral("The embedded database is offered instead."))) << ::testing::PrintToString(note->text());
        EXPECT_EQ(form.ConnectionString(), QStringLiteral("Provider=SQLite;Data Source=") + TdmOrvik::DefaultDatabaseFile() + u';');
    }
}

TEST(ConnectionDialog, RewritesTheEditedFieldsAndKeepsTheOtherKeys)
{
    const struct {
        const char *name;
        QString initial;
        std::function<void(TConnectionFields &)> edit;
        QString expected;
    } cases[] = {
        {"a new password keeps Persist Security Info", SqlServerDefault, [](TConnectionFields &f) { f.password = QStringLiteral("n3w"); },
         QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=True;User ID=orvik;Password=n3w;Initial Catalog=duDid;Data Source=shop-db;")},
        {"a SQL Server port goes after the host", SqlServerDefault, [](TConnectionFields &f) { f.port = QStringLiteral("1500"); },
         QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=True;User ID=orvik;Password=zup;Initial Catalog=duDid;Data Source=shop-db,1500;")},
        {"the MSSQL provider stays while the engine does", QStringLiteral("Provider=MSSQL;Data Source=srv;"),
         [](TConnectionFields &f) { f.user = QStringLiteral(" sa "); },
         QStringLiteral("Provider=MSSQL;Data Source=srv;User ID=sa;")},
        {"a cleared port keeps an existing Port key", QStringLiteral("Provider=PostgreSQL;Data Source=db.local;Port=5433;Initial Catalog=orvik;"),
         [](TConnectionFields &f) { f.port.clear(); },
         QStringLiteral("Provider=PostgreSQL;Data Source=db.local;Port=;Initial Catalog=orvik;")},
        {"file to PostgreSQL", QStringLiteral("Provider=SQLite;Data Source=/data/orvik.db;"),
         [](TConnectionFields &f) {
             f.engine = TEngine::PostgreSQL;
             f.server = QStringLiteral("db.local");
             f.port = QStringLiteral("5433");
             f.database = QStringLiteral("orvik");
             f.user = QStringLiteral("pos");
             f.password = QStringLiteral("pw");
         },
         QStringLiteral("Provider=PostgreSQL;Data Source=db.local;Port=5433;Initial Catalog=orvik;User ID=pos;Password=pw;")},
        {"SQL Server host,port to PostgreSQL moves the port to its key", QStringLiteral("Provider=SQLOLEDB.1;Data Source=srv,1500;"),
         [](TConnectionFields &f) { f.engine = TEngine::PostgreSQL; },
         QStringLiteral("Provider=PostgreSQL;Data Source=srv;Port=1500;")},
        {"SQL Server to a file drops the login", SqlServerDefault,
         [](TConnectionFields &f) {
             f.engine = TEngine::SQLite;
             f.file = QStringLiteral("/data/orvik.db");
         },
         QStringLiteral("Provider=SQLite;Data Source=/data/orvik.db;")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const TConnectionString base = TConnectionString::Parse(c.initial);
        TConnectionFields fields = TConnectionFields::From(base);
        c.edit(fields);
        EXPECT_EQ(fields.ApplyTo(base).ToString(), c.expected);
    }
}

TEST(ConnectionDialog, TheWidgetsEditTheString)
{
    TfrmConnection form(QStringLiteral("Provider=SQLite;Data Source=/data/orvik.db;"));
    ChooseEngine(form, TEngine::PostgreSQL);
    EXPECT_TRUE(Child<QLineEdit>(form, "txtServer")->isVisibleTo(&form));
    EXPECT_FALSE(Child<QLineEdit>(form, "txtFile")->isVisibleTo(&form));
    auto *ok = Child<QPushButton>(form, "btnOK");
    EXPECT_FALSE(ok->isEnabled()) << "no server yet";
    SetText(form, "txtServer", QStringLiteral("db.local"));
    SetText(form, "txtPort", QStringLiteral("5433"));
    SetText(form, "txtDatabase", QStringLiteral("orvik"));
    SetText(form, "txtUser", QStringLiteral("pos"));
    SetText(form, "txtPassword", QStringLiteral("pw"));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(form.ConnectionString(),
              QStringLiteral("Provider=PostgreSQL;Data Source=db.local;Port=5433;Initial Catalog=orvik;User ID=pos;Password=pw;"));
}

TEST(ConnectionDialog, TestConnectionShowsTheOutcomeInTheDialog)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.db"));
    const QString junk = dir.filePath(QStringLiteral("junk.db"));
    const QString missing = dir.filePath(QStringLiteral("missing.db"));
    {
        TAdoConnection con;
        con.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + good + u';');
        con.Open();
    }
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();

    const struct {
        const char *name;
        QString initial;
        bool succeeds;
        QString fragment;  // part of the outcome
    } cases[] = {
        {"an embedded file", QStringLiteral("Provider=SQLite;Data Source=") + good + u';', true, QStringLiteral("Test connection succeeded.")},
        {"a file that is no database", QStringLiteral("Provider=SQLite;Data Source=") + junk + u';', false, QStringLiteral("not a database")},
        {"a file not made yet", QStringLiteral("Provider=SQLite;Data Source=") + missing + u';', false, QStringLiteral("does not exist yet")},
        {"a refused PostgreSQL server", QStringLiteral("Provider=PostgreSQL;Data Source=127.0.0.1;Port=1;Initial Catalog=x;User ID=u;Password=p;"),
         false, QStringLiteral("Connection refused")},
        {"a refused SQL Server", QStringLiteral("Provider=SQLOLEDB.1;User ID=u;Password=p;Initial Catalog=x;Data Source=127.0.0.1,1;"),
         false, QStringLiteral("Unable to connect")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TfrmConnection form(c.initial);
        auto *result = Child<QLabel>(form, "lblTestResult");
        Child<QPushButton>(form, "btnTest")->click();
        EXPECT_TRUE(result->text().contains(c.fragment)) << ::testing::PrintToString(result->text());
        EXPECT_EQ(result->text() == QStringLiteral("Test connection succeeded."), c.succeeds) << ::testing::PrintToString(result->text());
        // The outcome belongs to the settings it was tested with.
        SetText(form, "txtUser", QStringLiteral("someone"));
        EXPECT_TRUE(result->text().isEmpty());
    }
    EXPECT_FALSE(QFile::exists(missing)) << "a test must not create an empty database";
}
