#include "GroupCountdown.h"

void TGroupCountdown::Stop()
{
    m_count = -1;
    m_caption = DefaultCaption();
}

bool TGroupCountdown::Tick()
{
    if (m_count == -1)
        return false;
    const int a = m_count++;
    if (a + 1 > Seconds)
        return false;
    m_caption = DefaultCaption() + QStringLiteral("\r  (") + QString::number(Seconds - a) + u')';
    return true;
}
