#include "RecordColumns.h"

#include "app/modUtils.h"

namespace RecordColumns {

QString ParamName(const char *column)
{
    return QString::fromLatin1(column).remove(u' ');
}

QString NulIfBlank(const QString &text)
{
    return TrimBlanks(text).isEmpty() ? NulString() : text;
}

QString EmptyIfNul(const QString &text)
{
    return text == NulString() ? QString() : text;
}

QString ReadText(const TField &field, int flags)
{
    QString text = field.AsString();
    if (flags & Trim)
        text = TrimBlanks(text);
    if (flags & EmptyWhenNul)
        text = EmptyIfNul(text);
    return text;
}

void BindText(TParameter &param, const QString &text, int flags)
{
    const QString value = (flags & Trim) ? TrimBlanks(text) : text;
    if (flags & IntegerText)
        SetIntegerText(param, value);
    else
        param.SetString((flags & NulWhenBlank) ? NulIfBlank(value) : value);
}

void SetIntegerText(TParameter &param, const QString &text)
{
    const QString trimmed = TrimBlanks(text);
    bool ok = false;
    const qlonglong number = trimmed.toLongLong(&ok);
    if (ok)
        param.SetInteger(number);
    else if (trimmed.isEmpty())
        param.SetNull(TFieldType::Integer);
    else
        param.SetString(trimmed);  // not a number: the engine decides, as with any text
}

void PrepareQuery(TAdoQuery &query, const QStringList &sql, std::initializer_list<TQueryParam> params)
{
    query.Close();
    query.SQL() = sql;
    for (const TQueryParam &p : params) {
        TParameter &param = query.ParamByName(QLatin1String(p.name));
        param.DataType = p.type;
        param.Value = p.value;
    }
}

int PopulateWhere(TCollectionDB &list, const QStringList &sql, std::initializer_list<TQueryParam> params)
{
    PrepareQuery(list.AdoQuery, sql, params);
    list.AdoQuery.Open();
    return list.Populate(&list.AdoQuery);
}

} // namespace RecordColumns

bool TRecordItem::LoadWhere(const QStringList &sql, std::initializer_list<RecordColumns::TQueryParam> params)
{
    RequireConnection();
    SetEmpty(true);
    RecordColumns::PrepareQuery(AdoQuery, sql, params);
    return LoadFromQuery();
}

int TRecordItem::DeleteWhere(const QString &sql, const char *keyParam, const QVariant &key)
{
    AdoCommand.ParamCheck = true;
    AdoCommand.SetCommandText(sql);
    TParameter &param = AdoCommand.ParamByName(QLatin1String(keyParam));
    if (key.metaType().id() == QMetaType::QString)
        param.SetString(key.toString());
    else
        param.SetInteger(key.toLongLong());
    param.Direction = TParamDirection::Input;
    return TCollectionDBItem::Delete();
}

void TRecordItem::SetStatement(const QString &sql)
{
    AdoCommand.ParamCheck = true;
    AdoCommand.SetCommandText(sql);
}

void TRecordItem::ExpectIdentity(const char *identityParam)
{
    TParameter &id = AdoCommand.ParamByName(QLatin1String(identityParam));
    id.SetNull(TFieldType::Integer);
    id.Direction = TParamDirection::Output;
}

int TRecordItem::Execute(const char *identityParam, int &key, TReadBack readBack)
{
    const int rows = TCollectionDBItem::Update();
    if (identityParam && (readBack == TReadBack::Always || rows > 0))
        key = static_cast<int>(AdoCommand.ParamByName(QLatin1String(identityParam)).Value.toLongLong());
    return rows;
}
