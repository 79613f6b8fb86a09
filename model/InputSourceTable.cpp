#include "model/InputSourceTable.h"

#include <cstring>

#include "model/DataDefine.h"

CInputSourceTable g_inputSourceTable;

namespace {

constexpr int MODE0[6][SOURCE_COUNT] = {
    {0, 1, 1, 1, 1, 1, 1}, {1, 0, 1, 1, 0, 0, 1}, {1, 1, 0, 0, 1, 1, 1},
    {1, 1, 0, 0, 1, 1, 1}, {1, 0, 1, 1, 0, 1, 1}, {1, 0, 1, 1, 1, 0, 1},
};
constexpr int MODE1[5][SOURCE_COUNT] = {
    {0, 1, 1, 1, 1, 0, 1}, {1, 0, 1, 0, 0, 0, 1}, {1, 1, 0, 0, 1, 0, 1},
    {1, 0, 0, 0, 1, 0, 1}, {1, 0, 1, 1, 0, 0, 1},
};
constexpr int MODE2[4][SOURCE_COUNT] = {
    {0, 1, 1, 1, 0, 0, 1}, {1, 0, 1, 0, 0, 0, 1}, {1, 1, 0, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 0, 1},
};

template <int ROWS>
void CopyRow(const int (&table)[ROWS][SOURCE_COUNT], int n, int* pAvail)
{
    if (n >= 0 && n < ROWS)
        std::memcpy(pAvail, table[n], sizeof(table[n]));
}

}  // namespace

void CInputSourceTable::Init()
{
    m_nSource = SOURCE_OFF;
    InitMode0();
    InitMode1();
    InitMode2();
    CopyRowMode0(0);
}

void CInputSourceTable::InitMode0()
{
    std::memcpy(m_nAvail6, MODE0, sizeof(MODE0));
}

void CInputSourceTable::InitMode1()
{
    std::memcpy(m_nAvail5, MODE1, sizeof(MODE1));
}

void CInputSourceTable::InitMode2()
{
    std::memcpy(m_nAvail4, MODE2, sizeof(MODE2));
}

void CInputSourceTable::CopyRowMode0(int n)
{
    CopyRow(m_nAvail6, n, m_bAvail);
}

void CInputSourceTable::CopyRowMode1(int n)
{
    CopyRow(m_nAvail5, n, m_bAvail);
}

void CInputSourceTable::CopyRowMode2(int n)
{
    CopyRow(m_nAvail4, n, m_bAvail);
}

int CInputSourceTable::SelectRow(int nInput, int nMode)
{
    switch (nMode) {
    case 0: CopyRowMode0(nInput); break;
    case 1: CopyRowMode1(nInput); break;
    case 2: CopyRowMode2(nInput); break;
    default: break;
    }
    // A source byte from the processor or a file may be anything: one the table does not know
    // is not offered, so it is turned off like any other.
    if (m_nSource >= 0 && m_nSource < SOURCE_COUNT && m_bAvail[m_nSource])
        return 1;
    m_nSource = SOURCE_OFF;
    return 0;
}

int KeepInputSourceOffered()
{
    if (g_inputSourceTable.SelectRow(g_nCurInput, g_nInputMode))
        return 1;
    g_inputSettings.SetField(&InputSettings::m_bySource, SOURCE_BYTE_OFF);
    return 0;
}
