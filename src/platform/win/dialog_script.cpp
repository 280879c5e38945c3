// Scripts for modal loops on the modal loop's idle hook.
#include "platform/win/dialog_script.h"

#include "platform/win/modal_loop.h"
#include "platform/win/window.h"

ModalScript::ModalScript() {
    SetModalLoopHook([this](HWND hwndModal, int) {
        if (m_steps.empty()) return;
        // Taken off before it runs: a step may open a nested loop that runs the next ones.
        const Step step = std::move(m_steps.front());
        m_steps.pop_front();
        ++m_nRan;
        step(hwndModal);
    });
}

ModalScript::~ModalScript() { SetModalLoopHook(nullptr); }

ModalScript& ModalScript::Then(Step step) {
    m_steps.push_back(std::move(step));
    return *this;
}

namespace synthetic {

BOOL ClickDlgItem(HWND hDlg, int nID) {
    const HWND h = GetDlgItem(hDlg, nID);
    if (!h) return FALSE;
    RECT rc;
    GetClientRect(h, &rc);
    return Click(h, POINT{rc.right / 2, rc.bottom / 2});
}

}  // namespace synthetic
