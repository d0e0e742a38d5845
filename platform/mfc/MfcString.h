#pragma once
// CString: MFC's wide string (the Unicode build), over std::wstring.
// Invariant: m_str never holds a NUL before its end except inside a buffer
// handed out by GetBuffer and not yet released.
#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <string>
#include "MfcModule.h"

class CString
{
public:
    CString() {}
    CString(LPCWSTR psz) : m_str(psz ? psz : L"") {}
    CString(LPCWSTR pch, int nLength) : m_str(pch ? pch : L"", pch && nLength > 0 ? nLength : 0) {}
    CString(WCHAR ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
    CString(const std::wstring& str) : m_str(str) {}

    int GetLength() const { return (int)m_str.size(); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    LPCWSTR GetString() const { return m_str.c_str(); }
    operator LPCWSTR() const { return m_str.c_str(); }
    WCHAR GetAt(int i) const { return m_str.at(i); }
    void SetAt(int i, WCHAR ch) { m_str.at(i) = ch; }
    WCHAR operator[](int i) const { return m_str.at(i); }

    // Writable buffer of at least nMinBufLength characters plus a terminator;
    // ReleaseBuffer(-1) takes the length up to the first NUL.
    LPWSTR GetBuffer(int nMinBufLength = 0)
    {
        if (nMinBufLength > GetLength())
            m_str.resize(nMinBufLength);
        return &m_str[0];
    }
    LPWSTR GetBufferSetLength(int nLength)
    {
        m_str.resize(nLength > 0 ? nLength : 0);
        return &m_str[0];
    }
    void ReleaseBuffer(int nNewLength = -1)
    {
        if (nNewLength < 0)
            nNewLength = (int)wcsnlen(m_str.c_str(), m_str.size());
        m_str.resize(nNewLength);
    }

    CString& operator=(LPCWSTR psz)
    {
        m_str = psz ? psz : L"";
        return *this;
    }
    CString& operator=(WCHAR ch)
    {
        m_str.assign(1, ch);
        return *this;
    }
    CString& operator+=(const CString& str)
    {
        m_str += str.m_str;
        return *this;
    }
    CString& operator+=(LPCWSTR psz)
    {
        if (psz)
            m_str += psz;
        return *this;
    }
    CString& operator+=(WCHAR ch)
    {
        m_str += ch;
        return *this;
    }
    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, LPCWSTR b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(LPCWSTR a, const CString& b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const CString& a, WCHAR b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, LPCWSTR b) { return a.Compare(b) == 0; }
    friend bool operator==(LPCWSTR a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, LPCWSTR b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

    int Compare(LPCWSTR psz) const { return wcscmp(m_str.c_str(), psz ? psz : L""); }
    int CompareNoCase(LPCWSTR psz) const { return _wcsicmp(m_str.c_str(), psz ? psz : L""); }

    CString Left(int nCount) const { return CString(m_str.substr(0, Clamp(nCount))); }
    CString Right(int nCount) const
    {
        int n = Clamp(nCount);
        return CString(m_str.substr(m_str.size() - n));
    }
    CString Mid(int iFirst) const { return Mid(iFirst, GetLength()); }
    CString Mid(int iFirst, int nCount) const
    {
        int first = Clamp(iFirst);
        return CString(m_str.substr(first, nCount > 0 ? nCount : 0));
    }
    int Find(WCHAR ch, int iStart = 0) const { return ToIndex(m_str.find(ch, Clamp(iStart))); }
    int Find(LPCWSTR psz, int iStart = 0) const { return psz ? ToIndex(m_str.find(psz, Clamp(iStart))) : -1; }
    int ReverseFind(WCHAR ch) const { return ToIndex(m_str.rfind(ch)); }
    int Insert(int iIndex, WCHAR ch)
    {
        m_str.insert(Clamp(iIndex), 1, ch);
        return GetLength();
    }
    int Insert(int iIndex, LPCWSTR psz)
    {
        if (psz)
            m_str.insert(Clamp(iIndex), psz);
        return GetLength();
    }
    int Delete(int iIndex, int nCount = 1)
    {
        if (iIndex >= 0 && iIndex < GetLength() && nCount > 0)
            m_str.erase(iIndex, nCount);
        return GetLength();
    }
    int Remove(WCHAR ch)
    {
        int before = GetLength();
        m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
        return before - GetLength();
    }
    int Replace(LPCWSTR pszOld, LPCWSTR pszNew)
    {
        if (!pszOld || !*pszOld)
            return 0;
        std::wstring from(pszOld), to(pszNew ? pszNew : L"");
        int count = 0;
        for (size_t pos = m_str.find(from); pos != std::wstring::npos; pos = m_str.find(from, pos + to.size()), ++count)
            m_str.replace(pos, from.size(), to);
        return count;
    }
    CString& MakeUpper()
    {
        for (auto& c : m_str)
            c = (WCHAR)towupper(c);
        return *this;
    }
    CString& MakeLower()
    {
        for (auto& c : m_str)
            c = (WCHAR)towlower(c);
        return *this;
    }
    CString& TrimLeft()
    {
        m_str.erase(0, m_str.find_first_not_of(L" \t\r\n"));
        return *this;
    }
    CString& TrimRight()
    {
        m_str.erase(m_str.find_last_not_of(L" \t\r\n") + 1);
        return *this;
    }
    CString& Trim() { return TrimRight().TrimLeft(); }

    void Format(LPCWSTR pszFormat, ...)
    {
        va_list args;
        va_start(args, pszFormat);
        FormatV(pszFormat, args);
        va_end(args);
    }
    void AppendFormat(LPCWSTR pszFormat, ...)
    {
        CString tail;
        va_list args;
        va_start(args, pszFormat);
        tail.FormatV(pszFormat, args);
        va_end(args);
        m_str += tail.m_str;
    }
    // Microsoft printf semantics, as MFC's: %s is a wide string here.
    void FormatV(LPCWSTR pszFormat, va_list args)
    {
        va_list count;
        va_copy(count, args);
        int length = _vscwprintf(pszFormat, count);
        va_end(count);
        if (length < 0) {
            m_str.clear();
            return;
        }
        std::wstring text(length + 1, L'\0');
        _vsnwprintf(&text[0], text.size(), pszFormat, args);
        text.resize(length);
        m_str.swap(text);
    }

    BOOL LoadString(UINT nID)
    {
        HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW((nID >> 4) + 1), (LPCWSTR)RT_STRING);
        LPCWSTR text = nullptr;
        int length = hInst ? ::LoadStringW(hInst, nID, (LPWSTR)&text, 0) : 0;
        if (length <= 0) {
            m_str.clear();
            return FALSE;
        }
        m_str.assign(text, length);
        return TRUE;
    }

private:
    int Clamp(int i) const { return i < 0 ? 0 : (i > GetLength() ? GetLength() : i); }
    static int ToIndex(size_t pos) { return pos == std::wstring::npos ? -1 : (int)pos; }

    std::wstring m_str;
};
