// CArray: a growable array of plain-data entries, moved by byte copy.
//
// Growing to a new size n above the capacity: with no buffer yet the new
// capacity is exactly n; otherwise it grows by the grow step (when that is
// 0, the automatic step: count / 8, at least 4, at most 1024), or to n if
// that is larger. The entries are copied into the new buffer and the old one
// is released; slots between the old and the new count are zero-filled.
// Removing entries never shrinks the capacity; RemoveAll releases the buffer.
#ifndef KORV_FW_ARRAY_H
#define KORV_FW_ARRAY_H

#include <cstring>
#include <type_traits>

#include "framework/Object.h"

// The capacity for growing an array of nSize entries and nMaxSize capacity
// (with a buffer) to nNewSize > nMaxSize entries.
INT_PTR AfxArrayGrownCapacity(INT_PTR nSize, INT_PTR nMaxSize, INT_PTR nGrowBy, INT_PTR nNewSize);

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
    static_assert(std::is_trivially_copyable<TYPE>::value, "CArray moves its entries by byte copy");

public:
    CArray() {}
    ~CArray() override { delete[] reinterpret_cast<BYTE*>(m_pData); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetAllocSize() const { return m_nMaxSize; }

    // nGrowBy: the grow step to use from now on; -1 keeps the current one
    // (0, automatic, unless changed).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void RemoveAll() { SetSize(0); }

    TYPE GetAt(INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[nIndex]; }
    TYPE operator[](INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& operator[](INT_PTR nIndex) { return m_pData[nIndex]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    // Appends a copy of the entry; returns its index.
    INT_PTR Add(ARG_TYPE newElement);

    // Removes nCount entries from nIndex on; later entries move down in
    // order. A range outside the array removes nothing.
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

private:
    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize <= 0) {
        delete[] reinterpret_cast<BYTE*>(m_pData);
        m_pData = nullptr;
        m_nSize = m_nMaxSize = 0;
        return;
    }
    if (nNewSize > m_nMaxSize) {
        INT_PTR nNewMax = m_pData ? AfxArrayGrownCapacity(m_nSize, m_nMaxSize, m_nGrowBy, nNewSize)
                                  : nNewSize;
        TYPE* pNewData = reinterpret_cast<TYPE*>(new BYTE[nNewMax * sizeof(TYPE)]);
        if (m_pData)
            memcpy((void*)pNewData, (const void*)m_pData, m_nSize * sizeof(TYPE));
        delete[] reinterpret_cast<BYTE*>(m_pData);
        m_pData = pNewData;
        m_nMaxSize = nNewMax;
    }
    if (nNewSize > m_nSize)
        memset((void*)(m_pData + m_nSize), 0, (nNewSize - m_nSize) * sizeof(TYPE));
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    TYPE copy = newElement;  // the argument may live in this array's buffer
    INT_PTR nIndex = m_nSize;
    SetSize(nIndex + 1);
    m_pData[nIndex] = copy;
    return nIndex;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex > m_nSize || nCount > m_nSize - nIndex)
        return;
    INT_PTR nMoveCount = m_nSize - (nIndex + nCount);
    if (nMoveCount > 0)
        memmove((void*)(m_pData + nIndex), (const void*)(m_pData + nIndex + nCount),
                nMoveCount * sizeof(TYPE));
    m_nSize -= nCount;
}

#endif
