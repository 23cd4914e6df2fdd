// Plays the user in front of the Save As dialog that the popup's save
// button opens. The dialog runs modally on the test thread (inside the
// button's handler), so the steps run on a second thread, with the real
// keyboard and mouse.
#ifndef KORV_TESTS_EXPORT_SAVEDIALOGDRIVER_H
#define KORV_TESTS_EXPORT_SAVEDIALOGDRIVER_H

#include <string>
#include <vector>

#include "support/bench.h"

namespace exporttest {

// The visible dialog-class windows of this process.
std::vector<HWND> OurDialogs();
std::string WindowTitle(HWND w);

// The Save As dialog of this process, waiting up to timeoutMs; or null.
HWND WaitForSaveAs(DWORD timeoutMs = 10000);
// A dialog of this process owned by `owner` (the overwrite question), or null.
HWND WaitForOwnedBy(HWND owner, DWORD timeoutMs = 5000);

// Types `name` into the file name field, which has the focus and starts
// empty, and presses Return. With `click`, a real click into the field
// comes first.
void EnterFileName(HWND saveAs, const std::string& name, bool click = false);

// A real click in the middle of the dialog's control `id`.
void ClickControl(HWND dialog, int id);

// Closes whatever dialogs of this process, but `keep` (the popup), are
// still open, so that the test thread gets out of its modal loops after a
// failed step.
void CloseLeftovers(HWND keep);

}  // namespace exporttest

#endif
