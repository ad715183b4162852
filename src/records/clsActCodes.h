#pragma once

#include "RecordColumns.h"

// An activity (access) code of the suite (table ActCodes), such as "GL020". The suite
// creates the codes: this program only reads and updates them.
class TActCodesItem : public TColumnRecord<TActCodesItem> {
public:
    explicit TActCodesItem(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TActCodesItem"); }

    void Clone(const TRootCollectionItem &source) override;
    int Delete() override;
    // Updates the row of ActCode; there is no insert. An empty ActCode throws.
    int Update() override;
    // True with the fields filled when the code exists; otherwise false, the fields untouched.
    virtual bool LoadByCode(const QString &code);

    bool ForceLog() const { return m_forceLog; }
    bool TempFlag() const { return m_tempFlag; }
    bool LogThis() const { return m_logThis; }
    bool ReqPermiss() const { return m_reqPermiss; }
    const QString &ActCode() const { return m_actCode; }
    const QString &Descriptn() const { return m_descriptn; }
    bool LockedOut() const { return m_lockedOut; }

    void SetForceLog(bool value) { Assign(m_forceLog, value); }
    void SetTempFlag(bool value) { Assign(m_tempFlag, value); }
    void SetLogThis(bool value) { Assign(m_logThis, value); }
    void SetReqPermiss(bool value) { Assign(m_reqPermiss, value); }
    void SetActCode(const QString &value) { Assign(m_actCode, value); }
    void SetDescriptn(const QString &value) { Assign(m_descriptn, value); }
    void SetLockedOut(bool value) { Assign(m_lockedOut, value); }

private:
    bool m_forceLog;
    bool m_tempFlag;
    bool m_logThis;
    bool m_reqPermiss;
    QString m_actCode;
    QString m_descriptn;
    bool m_lockedOut;

    static const RecordColumns::TColumn<TActCodesItem> Columns[];
};
