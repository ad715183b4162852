#pragma once

#include "data/AdoObjects.h"
#include "records/clsEmployee.h"

// A finger by name, as the FingerPrint column stores its template.
inline QString Finger(const char *name)
{
    return FingerPrintText::Encode(QByteArray(name));
}

// An employee of category DRIVER (which the caller provides) with that template; none
// when the text is empty.
inline void AddEnrolledEmployee(TAdoConnection &con, const char *empNum, const char *lastName, bool active, const QString &print)
{
    TAdoCommand cmd(&con);
    cmd.SetCommandText(QStringLiteral("INSERT INTO Employee (EmpNum, Category, FirstName, LastName, Active, FingerPrint) "
                                      "VALUES (:EmpNum, 'DRIVER', 'Sam', :LastName, :Active, :FingerPrint)"));
    cmd.ParamByName(QStringLiteral("EmpNum")).SetString(QString::fromLatin1(empNum));
    cmd.ParamByName(QStringLiteral("LastName")).SetString(QString::fromLatin1(lastName));
    cmd.ParamByName(QStringLiteral("Active")).SetBoolean(active);
    if (print.isEmpty())
        cmd.ParamByName(QStringLiteral("FingerPrint")).SetNull(TFieldType::String);
    else
        cmd.ParamByName(QStringLiteral("FingerPrint")).SetString(print);
    cmd.Execute();
}
