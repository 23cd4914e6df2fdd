#include "TestSupport.h"

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

#include "support/bench.h"

namespace {

// Common controls for every test, as the program sets them up at start.
class CommonControlsEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
    }
};

::testing::Environment* const g_env = ::testing::AddGlobalTestEnvironment(new CommonControlsEnvironment);

} // namespace

DialogTemplate::DialogTemplate(DWORD dwStyle, short cx, short cy, const char* pszTitle)
{
    DLGTEMPLATE t = {};
    t.style = dwStyle;
    t.cx = cx;
    t.cy = cy;
    m_data.resize(sizeof t / sizeof(WORD));
    memcpy(m_data.data(), &t, sizeof t);
    AddWord(0);  // no menu
    AddWord(0);  // standard dialog class
    AddString(pszTitle);
}

void DialogTemplate::Align(size_t n)
{
    while ((m_data.size() * sizeof(WORD)) % n)
        m_data.push_back(0);
}

void DialogTemplate::AddWord(WORD w)
{
    m_data.push_back(w);
}

void DialogTemplate::AddString(const char* psz)
{
    for (; *psz; ++psz)
        m_data.push_back((WORD)(unsigned char)*psz);
    m_data.push_back(0);
}

void DialogTemplate::AddItem(WORD id, const char* pszClass, const char* pszText, DWORD dwStyle, short x, short y,
                             short cx, short cy)
{
    Align(sizeof(DWORD));
    DLGITEMTEMPLATE item = {};
    item.style = dwStyle | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    size_t at = m_data.size();
    m_data.resize(at + sizeof item / sizeof(WORD));
    memcpy(&m_data[at], &item, sizeof item);
    if (pszClass[0] == '#') {
        AddWord(0xFFFF);
        AddWord((WORD)strtoul(pszClass + 1, nullptr, 16));
    } else {
        AddString(pszClass);
    }
    AddString(pszText);
    AddWord(0);  // no creation data
    // The item count lives in the header.
    reinterpret_cast<DLGTEMPLATE*>(m_data.data())->cdit++;
}

LPCDLGTEMPLATE DialogTemplate::Get()
{
    Align(sizeof(DWORD));
    return reinterpret_cast<LPCDLGTEMPLATE>(m_data.data());
}

MessageBoxCatcher* MessageBoxCatcher::s_pCurrent;

MessageBoxCatcher::MessageBoxCatcher(int nAnswer) : m_nAnswer(nAnswer)
{
    s_pCurrent = this;
    m_hHook = ::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    ::UnhookWindowsHookEx(m_hHook);
    s_pCurrent = nullptr;
}

LRESULT CALLBACK MessageBoxCatcher::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    MessageBoxCatcher* self = s_pCurrent;
    if (nCode == HCBT_ACTIVATE && self) {
        HWND hWnd = (HWND)wParam;
        char szClass[32] = "";
        ::GetClassNameA(hWnd, szClass, sizeof szClass);
        // A message box: a dialog with the message text control.
        // A message box: a dialog with the message text control, seen once.
        if (strcmp(szClass, "#32770") == 0 && ::GetDlgItem(hWnd, 0xFFFF) && !::GetPropA(hWnd, "fwtest.seen")) {
            ::SetPropA(hWnd, "fwtest.seen", (HANDLE)1);
            Box box;
            char buf[1024] = "";
            ::GetWindowTextA(hWnd, buf, sizeof buf);
            box.caption = buf;
            buf[0] = '\0';
            ::GetDlgItemTextA(hWnd, 0xFFFF, buf, sizeof buf);
            box.text = buf;
            box.hWndOwner = ::GetWindow(hWnd, GW_OWNER);
            self->boxes.push_back(box);
            ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(self->m_nAnswer, BN_CLICKED),
                           (LPARAM)::GetDlgItem(hWnd, self->m_nAnswer));
        }
    }
    return ::CallNextHookEx(self ? self->m_hHook : nullptr, nCode, wParam, lParam);
}

std::string TempFilePath(const char* pszName)
{
    return bench::TempDir("fwtest") + pszName;
}

void DrainMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}
