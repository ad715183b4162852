#pragma once

#include "clsCollectionDB.h"

// One settings row: class, item, value and a second value, all text.
class TSysDataItem : public TCollectionDBItem {
public:
    using TCollectionDBItem::TCollectionDBItem;
    QString ClassName() const override { return QStringLiteral("TSysDataItem"); }

    void Clear() override;
    void Clone(const TRootCollectionItem &source) override;
    bool Populate(TAdoQuery *dataset) override;
    int Update() override;

    const QString &Value() const { return m_value; }
    const QString &Class() const { return m_class; }
    const QString &Value2() const { return m_value2; }
    const QString &Item() const { return m_item; }
    // Setters trim blanks and control characters; an unchanged text marks nothing.
    void SetValue(const QString &text) { SetText(m_value, text); }
    void SetClass(const QString &text) { SetText(m_class, text); }
    void SetValue2(const QString &text) { SetText(m_value2, text); }
    void SetItem(const QString &text) { SetText(m_item, text); }

    // Typed views of Value. A reading of an empty value first fills in its default text
    // without marking the item; a text that does not convert throws EConvertError.
    QString AsString() const { return m_value; }
    void SetAsString(const QString &text) { SetValue(text); }
    bool AsBoolean();
    void SetAsBoolean(bool value);
    qlonglong AsInteger();
    void SetAsInteger(qlonglong value);
    double AsFloat();
    void SetAsFloat(double value);
    Currency AsCurrency();
    void SetAsCurrency(Currency value);
    TDateTime AsTime();  // a time alone is a fraction of day zero
    void SetAsTime(TDateTime value);

private:
    void SetText(QString &field, const QString &text);
    void DefaultIfEmpty(const QString &text);

    QString m_value;
    QString m_class;
    QString m_value2;
    QString m_item;
};

// The rows of one settings class, loaded in one query.
class TSysData : public TCollectionDBOf<TSysDataItem> {
public:
    // The first item of that class and key (compared exactly), or a new one holding the default.
    virtual TSysDataItem *FindOrAdd(const QString &sysClass, const QString &item, const QString &defaultValue);
    virtual void LoadClass(const QString &sysClass);
};

// Text and number forms of the workstation's regional settings.
namespace SysDataFormat {
QString FloatToText(double value);
double TextToFloat(const QString &text);  // throws EConvertError
TDateTime TextToDateTime(const QString &text);  // throws EConvertError
QString TimeToText(TDateTime value);  // "hh:mm:ss"
} // namespace SysDataFormat
