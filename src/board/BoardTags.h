#pragma once

#include <QList>
#include <QSet>

// The tagged orders by InvoiceNum, in the order they were tagged, so they keep naming the
// same orders whatever a refresh does to the row positions.
class TBoardTags {
public:
    bool Contains(qlonglong invoiceNum) const { return m_tags.contains(invoiceNum); }
    // True when the order is tagged afterwards.
    bool Toggle(qlonglong invoiceNum)
    {
        if (m_tags.removeOne(invoiceNum))
            return false;
        m_tags.append(invoiceNum);
        return true;
    }
    void Clear() { m_tags.clear(); }
    // Orders no longer shown lose their tags.
    void KeepOnly(const QSet<qlonglong> &shown)
    {
        m_tags.removeIf([&](qlonglong tag) { return !shown.contains(tag); });
    }
    const QList<qlonglong> &InOrder() const { return m_tags; }
    bool IsEmpty() const { return m_tags.isEmpty(); }

private:
    QList<qlonglong> m_tags;
};
