#include "OdometerRules.h"

#include "records/clsAttend.h"

#include <QLocale>

QString TillShiftText(int shiftNum, TDateTime date, int tillID)
{
    return QStringLiteral("Shift # %1,").arg(shiftNum) + QLocale::c().toString(DateTimes::DateOf(date), QStringLiteral(" dd MMM yyyy")) +
           QStringLiteral(", Till # %1").arg(tillID);
}

QList<TTillShiftChoice> TillShiftChoices(TAdoConnection *connection)
{
    QList<TTillShiftChoice> choices{{QStringLiteral("Not paid from till"), 0}};
    TAdoQuery query(connection);
    query.SQL() = QStringList{QStringLiteral("SELECT * FROM TILLPOST"), QStringLiteral("WHERE TILLISACTIVE<>0"),
                              QStringLiteral("ORDER BY SHIFTNUM ASC")};
    query.Open();
    for (query.First(); !query.Eof(); query.Next()) {
        const int shift = static_cast<int>(query.FieldByName(QStringLiteral("SHIFTNUM")).AsInteger());
        choices.append({TillShiftText(shift, query.FieldByName(QStringLiteral("DATE")).AsDateTime(),
                                      static_cast<int>(query.FieldByName(QStringLiteral("TILLID")).AsInteger())),
                        shift});
    }
    return choices;
}

Currency CurrentFloat(const TAttend &emp)
{
    return emp.ClockedOut ? Currency() : emp.Float;
}

QString FloatCaption(const TAttend &emp)
{
    return CurrentFloat(emp) == Currency() ? QStringLiteral("Amount") : QStringLiteral("Add");
}
