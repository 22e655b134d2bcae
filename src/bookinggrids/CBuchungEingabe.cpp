#include "bookinggrids/CBuchungEingabe.h"

#include "common/CDatenZugriff.h"

CBuchungEingabe::CBuchungEingabe(QWidget* parent)
    : CBuchungGrid(parent)
{
    SetEditable(false);
}

void CBuchungEingabe::NewBooking()
{
    m_aufteilung = false;
    m_satz = -1;
    SetRowCount(2);
    SetEditable(true);
    SetState(1);
}

bool CBuchungEingabe::ShowBooking(int recordIndex)
{
    if (recordIndex < 0 || !m_zugriff || !m_zugriff->GetBuchungen())
        return false;
    m_satz = recordIndex;
    SetRowCount(2);
    SetEditable(true);
    SetState(1);
    return true;
}

bool CBuchungEingabe::Finish(CBuchungen*)
{
    SetEditable(false);
    SetRowCount(1);
    SetState(0);
    return true;
}

int CBuchungEingabe::GetState() const
{
    return m_state;
}

int CBuchungEingabe::GetRecordIndex() const
{
    return m_satz;
}

void CBuchungEingabe::SetState(int state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}
