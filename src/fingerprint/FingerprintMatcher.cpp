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
        reader.SetStoredTemplate(candidate.StoredFingerPrint());
        reader.SetLiveTemplate(liveFeatures);
        if (!reader.Verify())
            continue;
        const QString empNum = candidate.EmpNum;
        Employees.Move(i, 0);
        return empNum;
    }
    return {};
}
