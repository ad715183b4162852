#include "clsSysData.h"

#include "app/clsEVxException.h"
#include "app/modUtils.h"

#include <QLocale>
#include <cmath>

namespace {

QLocale Workstation()
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

namespace SysDataFormat {

QString FloatToText(double value)
{
    return Workstation().toString(value, 'g', 15);
}

double TextToFloat(const QString &text)
{
    bool ok = false;
    double v = Workstation().toDouble(text.trimmed(), &ok);
    if (!ok)
        v = QLocale::c().toDouble(text.trimmed(), &ok);  // a value saved on a '.' workstation
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return v;
}

TDateTime TextToDateTime(const QString &text)
{
    const QString t = text.trimmed();
    static const char *timeFormats[] = {"H:mm:ss", "H:mm", "H:mm:ss.zzz", "h:mm:ss AP", "h:mm AP"};
    for (const char *format : timeFormats) {
        const QTime time = QTime::fromString(t, QLatin1String(format));
        if (time.isValid())
            return time.msecsSinceStartOfDay() / DateTimes::MsPerDay;
    }
    const QLocale locale = QLocale::system();
    const QString formats[] = {locale.dateTimeFormat(QLocale::ShortFormat), locale.dateFormat(QLocale::ShortFormat),
                               QStringLiteral("dd/MM/yyyy HH:mm:ss"), QStringLiteral("dd/MM/yyyy H:mm"), QStringLiteral("dd/MM/yyyy"),
                               QStringLiteral("yyyy-MM-dd HH:mm:ss"), QStringLiteral("yyyy-MM-dd")};
    for (const QString &format : formats) {
        QDateTime dt = QDateTime::fromString(t, format);
        if (!dt.isValid()) {
            const QDate d = QDate::fromString(t, format);
            if (d.isValid())
                dt = QDateTime(d, QTime(0, 0));
        }
        if (dt.isValid())
            return DateTimes::FromQDateTime(dt);
    }
    throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
}

QString TimeToText(TDateTime value)
{
    return DateTimes::ToQDateTime(value).toString(QStringLiteral("HH:mm:ss"));
}

} // namespace SysDataFormat

// ---- TSysDataItem

void TSysDataItem::Clear()
{
    TCollectionDBItem::Clear();
    m_value.clear();
    m_class.clear();
    m_value2.clear();
    m_item.clear();
}

void TSysDataItem::Clone(const TRootCollectionItem &source)
{
    TCollectionDBItem::Clone(source);
    if (auto *s = dynamic_cast<const TSysDataItem *>(&source)) {
        m_value = s->m_value;
        m_class = s->m_class;
        m_value2 = s->m_value2;
        m_item = s->m_item;
    }
}

bool TSysDataItem::Populate(TAdoQuery *dataset)
{
    if (!TCollectionDBItem::Populate(dataset))
        return false;
    // Assigned directly: a loaded row is not a change.
    m_value = dataset->FieldByName(QStringLiteral("Value")).AsString();
    m_class = dataset->FieldByName(QStringLiteral("Class")).AsString();
    m_value2 = dataset->FieldByName(QStringLiteral("Value2")).AsString();
    m_item = dataset->FieldByName(QStringLiteral("Item")).AsString();
    return true;
}

void TSysDataItem::SetText(QString &field, const QString &text)
{
    if (text == field)
        return;
    field = TrimBlanks(text);
    SetModified(true);
}

void TSysDataItem::DefaultIfEmpty(const QString &text)
{
    if (m_value.isEmpty())
        m_value = text;  // stored, not marked: written only with another change
}

bool TSysDataItem::AsBoolean()
{
    DefaultIfEmpty(QStringLiteral("0"));
    if (m_value.isEmpty())
        return false;
    const QChar first = m_value.front();
    return first == u'1' || first == u'T' || first == u'Y' || first == u't' || first == u'y';
}

void TSysDataItem::SetAsBoolean(bool value)
{
    SetValue(value ? QStringLiteral("1") : QStringLiteral("0"));
}

qlonglong TSysDataItem::AsInteger()
{
    DefaultIfEmpty(QStringLiteral("0"));
    bool ok = false;
    const qlonglong v = m_value.trimmed().toLongLong(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(m_value));
    return v;
}

void TSysDataItem::SetAsInteger(qlonglong value)
{
    SetValue(QString::number(value));
}

double TSysDataItem::AsFloat()
{
    DefaultIfEmpty(QStringLiteral("0"));
    return SysDataFormat::TextToFloat(m_value);
}

void TSysDataItem::SetAsFloat(double value)
{
    SetValue(SysDataFormat::FloatToText(value));
}

Currency TSysDataItem::AsCurrency()
{
    return Currency::FromRaw(std::llround(AsFloat() * Currency::Scale));
}

void TSysDataItem::SetAsCurrency(Currency value)
{
    SetAsFloat(static_cast<double>(value.Raw()) / Currency::Scale);
}

TDateTime TSysDataItem::AsTime()
{
    DefaultIfEmpty(SysDataFormat::TimeToText(DateTimes::TimeOf(DateTimes::Now())));
    return SysDataFormat::TextToDateTime(m_value);
}

void TSysDataItem::SetAsTime(TDateTime value)
{
    SetValue(SysDataFormat::TimeToText(value));
}

int TSysDataItem::Update()
{
    if (!Modified() && !IsNew())
        return 0;
    if (m_class.isEmpty())
        throw EVxException(QStringLiteral("TSysDataItem.Class not set"), QStringLiteral("TSysDataItem.Update"));
    if (m_item.isEmpty())
        throw EVxException(QStringLiteral("TSysDataItem.Item not set"), QStringLiteral("TSysDataItem.Update"));
    AdoCommand.ParamCheck = true;
    AdoCommand.SetCommandText(QStringLiteral(
        "IF NOT EXISTS (SELECT NULL FROM SysData WHERE Class=:SClass AND Item=:SItem) "
        "INSERT INTO SysData (Class, Item, Value, Value2) VALUES(:IClass,:IItem,:IValue,:IValue2) "
        "ELSE UPDATE SysData SET Value = :UValue,Value2 = :UValue2 WHERE Class=:UClass AND Item=:UItem"));
    // The suite never stores an empty text: it writes one NUL character instead.
    if (m_value.isEmpty())
        m_value = NulString();
    if (m_value2.isEmpty())
        m_value2 = NulString();
    const struct {
        const char *name;
        const QString &value;
    } bindings[] = {
        {"SClass", m_class}, {"SItem", m_item}, {"UClass", m_class}, {"UItem", m_item}, {"UValue", m_value},
        {"UValue2", m_value2}, {"IClass", m_class}, {"IItem", m_item}, {"IValue", m_value}, {"IValue2", m_value2},
    };
    for (const auto &b : bindings)
        AdoCommand.ParamByName(QLatin1String(b.name)).SetString(b.value);
    return TCollectionDBItem::Update();
}

// ---- TSysData

TSysDataItem *TSysData::FindOrAdd(const QString &sysClass, const QString &item, const QString &defaultValue)
{
    for (int i = 0; i < Count(); ++i) {
        TSysDataItem *candidate = Items(i);
        if (candidate->Class() == sysClass && candidate->Item() == item)
            return candidate;
    }
    TSysDataItem *added = Add();
    added->SetClass(sysClass);
    added->SetItem(item);
    added->SetValue(defaultValue);
    return added;
}

void TSysData::LoadClass(const QString &sysClass)
{
    AdoQuery.Close();
    AdoQuery.SQL() = QStringList{QStringLiteral("SELECT * FROM SysData"), QStringLiteral("WHERE Class = :Class"),
                                 QStringLiteral("ORDER BY Item ASC, Value ASC, Value2 ASC")};
    AdoQuery.ParamByName(QStringLiteral("Class")).SetString(sysClass);
    AdoQuery.Open();
    if (!AdoQuery.IsEmpty())
        Populate(&AdoQuery);
}
