#include "FingerprintMatcher.h"

#include "FingerprintReader.h"

void TFingerprintMatcher::Populate(TAdoConnection *connection)
{
    Employees.Clear();
    TAdoQuery query(connection);
    query.SQL() = QStringList{QStringLiteral("SELECT EMPNUM FROM EMPLOYEE"), QStringLiteral("WHERE ACTIVE<>0")};
    query.Open();
    for (query.First(); !query.Eof(); query.Next()) {
        TEmployee *employee = Employees.Add();
        employee->SetAdoConnection(connection);
        employee->LoadByEmpNum(query.FieldByName(QStringLiteral("EMPNUM")).AsString());
    }
    query.Close();
}

QString TFingerprintMatcher::Search(TFingerprintReader &reader, const QString &liveFeatures)
{
    for (int i = 0; i < Employees.Count(); ++i) {
        const TEmployee &candidate = *Employees.Items(i);
        if (candidate.FingerPrint.isEmpty())
            continue;
        reader.SetStoredTemplate(StoredTemplate(candidate));
        reader.SetLiveTemplate(liveFeatures);
        if (!reader.Verify())
            continue;
        const QString empNum = candidate.EmpNum;
        if (i > 0)
            MoveToFront(i);
        return empNum;
    }
    return {};
}

QString TFingerprintMatcher::StoredTemplate(const TEmployee &employee)
{
    return employee.FingerPrint.isEmpty() ? QString() : FingerPrintText::Encode(employee.FingerPrint.toLatin1());
}

void TFingerprintMatcher::MoveToFront(int index)
{
    // A copy at the front, then the original goes: the list owns its items and has no move.
    TEmployee *front = static_cast<TEmployee *>(Employees.InsertAt(0));
    front->Clone(*Employees.Items(index + 1));
    front->ResetFlags();
    Employees.RemoveAt(index + 1);
}
