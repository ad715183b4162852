#pragma once

#include "data/clsCollectionDB.h"

#include <QVariant>
#include <functional>
#include <initializer_list>
#include <span>
#include <type_traits>
#include <variant>

// The columns of a record class in one table, so that clearing, reading, copying and
// binding follow one list instead of a line per field in each operation.
//
// The field's type says how a column is read and bound: text, integer (int, quint8),
// boolean, float (double) or money (Currency). Where the stored form differs from the
// field's, a flag says so; a flag that does not apply to the field's type is ignored.
// A new field type needs a branch in ClearColumns, ReadColumns and BindColumns.
namespace RecordColumns {

enum TColumnFlag {
    Trim = 1,                   // text: blanks and control characters trimmed on reading and binding
    NulWhenBlank = 2,           // text: a blank text is bound as the suite's one-NUL "empty" text
    Key = 4,                    // the row's key: bound only where the statement names it
    IntegerText = 8,            // text: a number kept as text, bound as an integer, blank as null
    EmptyWhenNul = 16,          // text: the one-NUL "empty" text reads as empty
    DateTime = 32,              // double: a day count read and bound as a date-time
    MoneyReadAsFloat = 64,      // Currency: read as a float, rounded to ten-thousandths
    MoneyBoundAsFloat = 128,    // Currency: bound as a float
    MoneyAsFloat = MoneyReadAsFloat | MoneyBoundAsFloat,
};

template <class TItem>
struct TColumn {
    using Field = std::variant<QString TItem::*, int TItem::*, quint8 TItem::*, bool TItem::*, double TItem::*,
                               Currency TItem::*>;
    constexpr TColumn(const char *columnName, Field member, int columnFlags = 0, int clearedValue = 0)
        : name(columnName), field(member), flags(columnFlags), cleared(clearedValue)
    {
    }
    const char *name;  // the column; its parameter is the same name without blanks
    Field field;
    int flags;
    int cleared;  // the value a cleared number takes (whole units for money)
};

// A parameter of a load statement, typed by its value.
struct TQueryParam {
    TQueryParam(const char *paramName, int v) : name(paramName), type(TFieldType::Integer), value(v) {}
    TQueryParam(const char *paramName, const QString &v) : name(paramName), type(TFieldType::String), value(v) {}
    const char *name;
    TFieldType type;
    QVariant value;
};

// The parameter of a column: its name without blanks ("Computer Name" -> ComputerName).
QString ParamName(const char *column);
QString NulIfBlank(const QString &text);
QString EmptyIfNul(const QString &text);
// A text column as a column with those flags reads and binds it.
QString ReadText(const TField &field, int flags);
void BindText(TParameter &param, const QString &text, int flags);
// A number held as text, bound as an integer; blank binds null.
void SetIntegerText(TParameter &param, const QString &text);

void PrepareQuery(TAdoQuery &query, const QStringList &sql, std::initializer_list<TQueryParam> params = {});
// Loads the list from the statement; returns the number of items.
int PopulateWhere(TCollectionDB &list, const QStringList &sql, std::initializer_list<TQueryParam> params = {});

template <class TItem>
void ClearColumns(TItem &item, std::span<const TColumn<TItem>> columns)
{
    for (const TColumn<TItem> &c : columns)
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(item.*member)>;
                if constexpr (std::is_same_v<T, QString>)
                    (item.*member).clear();
                else if constexpr (std::is_same_v<T, Currency>)
                    item.*member = Currency::FromUnits(c.cleared);
                else
                    item.*member = static_cast<T>(c.cleared);
            },
            c.field);
}

template <class TItem>
void CopyColumns(TItem &item, const TItem &source, std::span<const TColumn<TItem>> columns)
{
    for (const TColumn<TItem> &c : columns)
        std::visit([&](auto member) { item.*member = source.*member; }, c.field);
}

template <class TItem>
void ReadColumns(TItem &item, const TAdoQuery &dataset, std::span<const TColumn<TItem>> columns)
{
    for (const TColumn<TItem> &c : columns) {
        const TField f = dataset.FieldByName(QLatin1String(c.name));
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(item.*member)>;
                if constexpr (std::is_same_v<T, QString>)
                    item.*member = ReadText(f, c.flags);
                else if constexpr (std::is_same_v<T, bool>)
                    item.*member = f.AsBoolean();
                else if constexpr (std::is_same_v<T, double>)
                    item.*member = (c.flags & DateTime) ? f.AsDateTime() : f.AsFloat();
                else if constexpr (std::is_same_v<T, Currency>)
                    item.*member = (c.flags & MoneyReadAsFloat) ? Currency::FromDouble(f.AsFloat()) : f.AsCurrency();
                else
                    item.*member = static_cast<T>(f.AsInteger());
            },
            c.field);
    }
}

// Binds every column; a key only where the statement names it. A statement that lacks
// another column throws, so an edited statement cannot silently drop a value.
template <class TItem>
void BindColumns(TAdoCommand &command, const TItem &item, std::span<const TColumn<TItem>> columns)
{
    for (const TColumn<TItem> &c : columns) {
        TParameter *p = command.Parameters().Find(ParamName(c.name));
        if (!p && (c.flags & Key))
            continue;
        if (!p)
            p = &command.ParamByName(ParamName(c.name));
        p->Direction = TParamDirection::Input;  // a parameter kept from an insert may be an output
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(item.*member)>;
                const T &value = item.*member;
                if constexpr (std::is_same_v<T, QString>) {
                    BindText(*p, value, c.flags);
                } else if constexpr (std::is_same_v<T, bool>) {
                    p->SetBoolean(value);
                } else if constexpr (std::is_same_v<T, double>) {
                    if (c.flags & DateTime)
                        p->SetDateTime(value);
                    else
                        p->SetFloat(value);
                } else if constexpr (std::is_same_v<T, Currency>) {
                    if (c.flags & MoneyBoundAsFloat)
                        p->SetFloat(value.ToDouble());
                    else
                        p->SetCurrency(value);
                } else {
                    p->SetInteger(value);
                }
            },
            c.field);
    }
}

} // namespace RecordColumns

// When a save reads the new row's identity back into the key.
enum class TReadBack { WhenWritten, Always };

// A record over one table, with the load and save steps its classes share.
class TRecordItem : public TCollectionDBItem {
public:
    using TCollectionDBItem::TCollectionDBItem;

protected:
    // RequireConnection, SetEmpty (true), then the statement with its parameters; false when empty.
    bool LoadWhere(const QStringList &sql, std::initializer_list<RecordColumns::TQueryParam> params = {});
    // The DELETE of the row whose key is given.
    int DeleteWhere(const QString &sql, const char *keyParam, const QVariant &key);
    void SetStatement(const QString &sql);
    // Declares the statement's identity parameter as an output.
    void ExpectIdentity(const char *identityParam);
    // Runs the inherited Update (which resets the flags) and, for an insert (identityParam
    // given), reads the new key back as the mode says.
    int Execute(const char *identityParam, int &key, TReadBack readBack);

    // Stores a changed value and marks the record; an equal value changes nothing.
    template <class T, class V>
    void Assign(T &field, const V &value)
    {
        if (field == value)
            return;
        field = value;
        SetModified(true);
    }
};

// A record whose columns one table describes: Clear, Populate, copying and saving follow it.
// Each record's constructor calls ResetFields once its own members exist, unless they are
// initialised where they are declared.
template <class TItem>
class TColumnRecord : public TRecordItem {
public:
    using TColumns = std::span<const RecordColumns::TColumn<TItem>>;

    TColumnRecord(TRootCollection *collection, TColumns columns) : TRecordItem(collection), m_columns(columns) {}

    void Clear() override
    {
        TRecordItem::Clear();
        ResetFields();
    }
    bool Populate(TAdoQuery *dataset) override
    {
        if (!TRecordItem::Populate(dataset))
            return false;
        RecordColumns::ReadColumns<TItem>(Self(), *dataset, m_columns);
        Loaded(*dataset);
        return true;
    }

protected:
    // Every field to its value after Clear; a record with other defaults adds them.
    virtual void ResetFields() { RecordColumns::ClearColumns<TItem>(Self(), m_columns); }
    // After the row's columns were read: what the record loads besides them.
    virtual void Loaded(TAdoQuery &) {}
    // The base Clone, then every column of the source.
    void CloneColumns(const TRootCollectionItem &source)
    {
        TRecordItem::Clone(source);
        if (auto *s = dynamic_cast<const TItem *>(&source))
            RecordColumns::CopyColumns<TItem>(Self(), *s, m_columns);
    }

    // Sends an insert (identityParam names the output parameter of the new key) or an
    // update, with every column bound; bindMore binds what no column describes.
    int Save(const QString &sql, const char *identityParam, int &key, TReadBack readBack,
             const std::function<void(TAdoCommand &)> &bindMore = {})
    {
        SetStatement(sql);
        RecordColumns::BindColumns<TItem>(AdoCommand, Self(), m_columns);
        if (bindMore)
            bindMore(AdoCommand);
        if (identityParam)
            ExpectIdentity(identityParam);
        return Execute(identityParam, key, readBack);
    }

    // Update's course for a record with an identity key: nothing while unchanged, else the
    // insert, whose new key is read back into key, or the update.
    int InsertOrUpdate(bool insert, const QString &insertSql, const QString &updateSql, int &key, TReadBack readBack,
                       const char *identityParam = "IDField", const std::function<void(TAdoCommand &)> &bindMore = {})
    {
        if (!Modified() && !IsNew())
            return 0;
        return insert ? Save(insertSql, identityParam, key, readBack, bindMore) : Save(updateSql, nullptr, key, readBack, bindMore);
    }

private:
    TItem &Self() { return static_cast<TItem &>(*this); }
    TColumns m_columns;
};
