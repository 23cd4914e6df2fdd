#include "framework/Array.h"

INT_PTR AfxArrayGrownCapacity(INT_PTR nSize, INT_PTR nMaxSize, INT_PTR nGrowBy, INT_PTR nNewSize)
{
    INT_PTR step = nGrowBy;
    if (step == 0) {
        step = nSize / 8;
        if (step < 4)
            step = 4;
        if (step > 1024)
            step = 1024;
    }
    INT_PTR nNewMax = nMaxSize + step;
    return nNewSize > nNewMax ? nNewSize : nNewMax;
}
