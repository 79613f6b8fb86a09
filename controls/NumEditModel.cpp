#include "controls/NumEditModel.h"

#include <utility>

void CNumEditModel::SetRange(int nMin, int nMax)
{
    m_fmt.nMin = nMin;
    m_fmt.nMax = nMax;
    m_nValue = nMin;
}

bool CNumEditModel::SetValue(int v)
{
    if (v > m_fmt.nMax || v < m_fmt.nMin)
        return false;
    m_nValue = v;
    UpdateText();
    return true;
}

void CNumEditModel::SetType(int nType, std::string strUnit)
{
    m_fmt.nType = nType;
    m_fmt.strUnit = std::move(strUnit);
    UpdateText();
}

void CNumEditModel::SetTemperature(int nTemp)
{
    m_fmt.nTemp = nTemp;
    UpdateText();
}

int CNumEditModel::GetValue()
{
    if (m_bEdited) {
        if (const auto v = ReadNumEditEntry(m_fmt, m_strText))
            m_nValue = *v;
        m_bEdited = false;
    }
    return m_nValue;
}

void CNumEditModel::UpdateText()
{
    auto text = FormatNumEditValue(m_fmt, m_nValue);
    m_nValue = text.nValue;
    if (text.text)
        m_strText = std::move(*text.text);
}

void CNumEditModel::SetTypedText(std::string strText)
{
    m_strText = std::move(strText);
    m_bEdited = true;
}

bool CNumEditModel::Commit()
{
    switch (CommitKindOf(m_fmt.nType)) {
    case NumEditCommit::None:
        return false;
    case NumEditCommit::Always:
        if (CommitIgnores(m_fmt, m_strText))
            return false;
        break;
    case NumEditCommit::WhenEdited:
        if (!m_bEdited)
            return false;
        break;
    }
    if (const auto v = CommitNumEditEntry(m_fmt, m_strText))
        m_nValue = *v;
    if (!m_bEdited)
        return false;
    UpdateText();
    return true;
}

void CNumEditModel::AddDelta(int d)
{
    const long long n = static_cast<long long>(m_nValue) + d;
    m_nValue = n < m_fmt.nMin ? m_fmt.nMin : (n > m_fmt.nMax ? m_fmt.nMax : static_cast<int>(n));
    UpdateText();
}

int CNumEditModel::GetCommittedValue(bool& bNotify)
{
    const int t = m_fmt.nType;
    bNotify = (t == 0 || t == 19 || t == 1 || t == 2) && Commit();
    return m_nValue;
}

void CNumEditModel::RefreshLanguage()
{
    const int t = m_fmt.nType;
    if (t == 0 || t == 1 || t == 2) {
        UpdateText();
        return;
    }
    if (IsOffText(m_strText))
        m_strText = OffText();
}
