#include "clsGenericDB.h"

#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"

TGenericDB *GenericDB = nullptr;

TGenericDB::TGenericDB(TAdoConnection *connection) : Query(connection), m_connection(connection) {}

void TGenericDB::OpenSQL(const QString &text, TCursorLocation location)
{
    Query.Close();
    Query.SetSQL(text);
    Query.CursorLocation = location;
    Query.Open();
}

int TGenericDB::ExecSQL(const QString &text)
{
    const TCursorLocation remembered = Query.CursorLocation;
    Query.Close();
    Query.CursorLocation = TCursorLocation::Server;
    Query.SetSQL(text);
    try {
        const int rows = Query.ExecSQL();
        Query.CursorLocation = remembered;
        return rows;
    } catch (...) {
        Query.CursorLocation = remembered;
        throw;
    }
}

bool TGenericDB::ExecStoredProc(const QString &name, const QList<QVariant> &arguments)
{
    try {
        Query.Close();
        QStringList formatted;
        for (const QVariant &argument : arguments) {
            if (argument.typeId() == QMetaType::QString)
                formatted.append(u'\'' + argument.toString().replace(u'\'', QStringLiteral("''")) + u'\'');
            else
                formatted.append(argument.toString());
        }
        ExecSQL(m_connection->Dialect().StoredProcCall(name, formatted));
        return true;
    } catch (const std::exception &e) {
        MessageDialog(QStringLiteral("Failed to execute the stored procedure [") + name + u']' + u'\r' + QStringLiteral("Reason: ") + ExceptionMessage(e)
                          + QStringLiteral("\r\r") + QStringLiteral("Exception Raised In: TGenericDB.ExecStoredProc"),
                      mtError, {mbOK}, 0);
        return false;
    }
}
