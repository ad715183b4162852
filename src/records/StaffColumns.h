#pragma once

#include "data/AdoObjects.h"

#include <span>
#include <type_traits>
#include <variant>

// The columns of the employee and attendance records: name (also the parameter's name on a
// save), the field that holds it, and how it is read and bound where the field's type alone
// does not say. One list drives clearing, copying, reading and binding.
namespace StaffColumns {

enum class TKind {
    Plain,             // by the field's type: text, integer, boolean, float, currency
    DateTime,          // a day count read and bound as a date-time
    MoneyReadAsFloat,  // currency read as a float rounded to ten-thousandths, bound as currency
    MoneyAsFloat,      // currency read and bound as a float
};

template <class TRecord>
struct TStaffColumn {
    using Field = std::variant<QString TRecord::*, int TRecord::*, bool TRecord::*, double TRecord::*, Currency TRecord::*>;
    const char *name;
    TKind kind;
    Field field;
};

// A text as the records keep it: the suite's one-NUL "empty" text reads as empty.
inline QString ReadText(const TField &field)
{
    const QString text = field.AsString();
    return text == NulString() ? QString() : text;
}

template <class TRecord>
void Clear(TRecord &record, std::span<const TStaffColumn<TRecord>> columns)
{
    for (const auto &c : columns)
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(record.*member)>;
                record.*member = T{};
            },
            c.field);
}

template <class TRecord>
void Copy(TRecord &record, const TRecord &source, std::span<const TStaffColumn<TRecord>> columns)
{
    for (const auto &c : columns)
        std::visit([&](auto member) { record.*member = source.*member; }, c.field);
}

template <class TRecord>
void Read(TRecord &record, const TAdoQuery &dataset, std::span<const TStaffColumn<TRecord>> columns)
{
    for (const auto &c : columns) {
        const TField f = dataset.FieldByName(QLatin1String(c.name));
        std::visit(
            [&](auto member) {
                auto &value = record.*member;
                using T = std::remove_reference_t<decltype(value)>;
                if constexpr (std::is_same_v<T, QString>)
                    value = ReadText(f);
                else if constexpr (std::is_same_v<T, int>)
                    value = static_cast<int>(f.AsInteger());
                else if constexpr (std::is_same_v<T, bool>)
                    value = f.AsBoolean();
                else if constexpr (std::is_same_v<T, double>)
                    value = c.kind == TKind::DateTime ? f.AsDateTime() : f.AsFloat();
                else
                    value = c.kind == TKind::Plain ? f.AsCurrency() : Currency::FromDouble(f.AsFloat());
            },
            c.field);
    }
}

template <class TRecord>
void Bind(TAdoCommand &command, const TRecord &record, std::span<const TStaffColumn<TRecord>> columns)
{
    for (const auto &c : columns) {
        TParameter &p = command.ParamByName(QLatin1String(c.name));
        std::visit(
            [&](auto member) {
                const auto &value = record.*member;
                using T = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<T, QString>)
                    p.SetString(value);
                else if constexpr (std::is_same_v<T, int>)
                    p.SetInteger(value);
                else if constexpr (std::is_same_v<T, bool>)
                    p.SetBoolean(value);
                else if constexpr (std::is_same_v<T, double>)
                    c.kind == TKind::DateTime ? p.SetDateTime(value) : p.SetFloat(value);
                else
                    c.kind == TKind::MoneyAsFloat ? p.SetFloat(value.ToDouble()) : p.SetCurrency(value);
            },
            c.field);
    }
}

} // namespace StaffColumns
