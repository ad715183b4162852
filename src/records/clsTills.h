#pragma once

#include "RecordColumns.h"

// A workstation registered as a till (table Tills). TillID is the till number the suite
// uses everywhere; TillsID is the row's own key.
class TTillsItem : public TColumnRecord<TTillsItem> {
public:
    explicit TTillsItem(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TTillsItem"); }

    // Copies the five fields through the setters; the copy is marked modified.
    void Clone(const TRootCollectionItem &source) override;
    int Update() override;
    virtual bool LoadByTillID(int tillNumber);

    const QString &ComputerName() const { return m_computerName; }
    const QString &HDSerial() const { return m_hdSerial; }
    const QString &LoginName() const { return m_loginName; }
    int TillID() const { return m_tillID; }
    int TillsID() const { return m_tillsID; }

    // A blank text is stored as the suite's one-NUL "empty" text.
    void SetComputerName(const QString &value) { SetText(m_computerName, value); }
    void SetHDSerial(const QString &value) { SetText(m_hdSerial, value); }
    void SetLoginName(const QString &value) { SetText(m_loginName, value); }
    void SetTillID(int value) { Assign(m_tillID, value); }
    void SetTillsID(int value) { Assign(m_tillsID, value); }

protected:
    void ResetFields() override;
    // The texts as the setters store them; a loaded row is not a change.
    void Loaded(TAdoQuery &dataset) override;

private:
    void SetText(QString &field, const QString &value);

    QString m_computerName;
    QString m_hdSerial;
    QString m_loginName;
    int m_tillID;
    int m_tillsID;

    static const RecordColumns::TColumn<TTillsItem> Columns[];
};
