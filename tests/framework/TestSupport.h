// Helpers for the framework tests: in-memory dialog templates, a catcher
// for this thread's message boxes, temporary files and the thread's
// message queue. (The bench's helpers are in bench.h.)
#ifndef KORV_TESTS_FRAMEWORK_TESTSUPPORT_H
#define KORV_TESTS_FRAMEWORK_TESTSUPPORT_H

#include <string>
#include <vector>

#include "framework/fw.h"

// Builds a DLGTEMPLATE with its items in memory (no DS_SETFONT: the
// system font).
class DialogTemplate {
public:
    DialogTemplate(DWORD dwStyle, short cx, short cy, const char* pszTitle);
    // pszClass: a class name, or an atom name "#0080" (button), "#0081"
    // (edit), "#0082" (static).
    void AddItem(WORD id, const char* pszClass, const char* pszText, DWORD dwStyle, short x, short y, short cx,
                 short cy);
    LPCDLGTEMPLATE Get();

private:
    void Align(size_t n);
    void AddWord(WORD w);
    void AddString(const char* psz);
    std::vector<WORD> m_data;
};

// While alive, answers every message box of this thread: records what it
// showed and presses the given button.
class MessageBoxCatcher {
public:
    explicit MessageBoxCatcher(int nAnswer = IDOK);
    ~MessageBoxCatcher();

    struct Box {
        std::string caption;
        std::string text;
        HWND hWndOwner;
    };
    std::vector<Box> boxes;

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    static MessageBoxCatcher* s_pCurrent;
    HHOOK m_hHook;
    int m_nAnswer;
};

// A fresh path in a fresh folder under the temporary folder (the file
// does not exist).
std::string TempFilePath(const char* pszName);

// Handles every message waiting in this thread's queue (WM_QUIT included).
void DrainMessages();

#endif
