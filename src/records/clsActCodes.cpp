#include "clsActCodes.h"

#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"

using namespace RecordColumns;

const TColumn<TActCodesItem> TActCodesItem::Columns[] = {
    {"ActCode", &TActCodesItem::m_actCode},
    {"ForceLog", &TActCodesItem::m_forceLog},
    {"TempFlag", &TActCodesItem::m_tempFlag},
    {"LogThis", &TActCodesItem::m_logThis},
    {"ReqPermiss", &TActCodesItem::m_reqPermiss},
    {"Descriptn", &TActCodesItem::m_descriptn},
    {"LockedOut", &TActCodesItem::m_lockedOut},
};

// Clear empties every column: a cleared record given another code must not carry the
// flags of the one it held.
TActCodesItem::TActCodesItem(TRootCollection *collection) : TColumnRecord(collection, Columns)
{
    ResetFields();
}

void TActCodesItem::Clone(const TRootCollectionItem &)
{
    ShowInformation(QStringLiteral("TActCodesItem.Clone not implemented yet"));
}

bool TActCodesItem::LoadByCode(const QString &code)
{
    RequireConnection();
    SetEmpty(false);  // a code not found leaves the fields as they were
    PrepareQuery(AdoQuery, {QStringLiteral("SELECT * FROM ActCodes"), QStringLiteral("WHERE ActCode = :ActCode")}, {{"ActCode", code}});
    return LoadFromQuery();
}

int TActCodesItem::Delete()
{
    return DeleteWhere(QStringLiteral("DELETE FROM ActCodes WHERE ActCode = :ActCode"), "ActCode", m_actCode);
}

int TActCodesItem::Update()
{
    if (!Modified() && !IsNew())
        return 0;
    if (m_actCode.isEmpty())
        throw EVxException(QStringLiteral("TActCodesItem.ActCode not set"), QStringLiteral("TActCodesItem.Update"));
    int unused = 0;
    return Save(QStringLiteral(
        "UPDATE ActCodes SET ForceLog=:ForceLog, TempFlag=:TempFlag, LogThis=:LogThis, Reqpermiss=:Reqpermiss, "
        "Descriptn=:Descriptn, LockedOut=:LockedOut WHERE ActCode = :ActCode"), nullptr, unused, TReadBack::Always);
}
