#pragma once

#include "support/EngineFixture.h"

// A fresh database per test, with the small helpers the record tests share.
class TRecordTest : public TDatabaseTest {
protected:
    // The text of the first column of the first row, as the records read it.
    QString Text(const QString &sql)
    {
        TAdoQuery q(&con);
        q.SetSQL(sql);
        q.Open();
        return q.IsEmpty() ? QString() : q.FieldByName(q.FieldNames().value(0)).AsString();
    }
    // Registers a till with that number and returns its row key.
    int AddTill(int tillNumber)
    {
        con.Exec(QStringLiteral("INSERT INTO Tills (TillID) VALUES (%1)").arg(tillNumber));
        return static_cast<int>(Scalar(QStringLiteral("SELECT MAX(TillsID) FROM Tills")));
    }
};

// Text with quotes and a statement's end, which must be stored as it is.
inline QString Hostile(const char *prefix)
{
    return QString::fromLatin1(prefix) + QStringLiteral("'; DROP TABLE Printers; -- \"x\"");
}
