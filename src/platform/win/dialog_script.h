#pragma once
// Scripts for modal loops, for tests and tools: steps that run one after another inside whatever
// modal loop is running, each once the loop has nothing left to do (the dialog is shown, its
// input dispatched). A step may inject input, read state, press a button or end the loop; a step
// that opens a nested dialog leaves the next step to run inside that dialog's loop.
//
//   ModalScript script;
//   script.Then([](HWND dlg) { synthetic::TypeText("42"); })
//         .Then([](HWND dlg) { synthetic::ClickDlgItem(dlg, IDOK); });
//   EXPECT_EQ(dialog.DoModal(), IDOK);
//
// When the steps have run out the loop gets no more help: a loop nothing else ends fails
// (MODAL_LOOP_FAILED) instead of hanging.
#include <deque>
#include <functional>

#include "platform/win/synthetic_input.h"

class ModalScript {
public:
    using Step = std::function<void(HWND hwndModal)>;
    // Installs the script as the modal loop hook; the destructor removes it.
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    ModalScript& Then(Step step);
    size_t Remaining() const noexcept { return m_steps.size(); }
    // The number of steps run so far.
    int Ran() const noexcept { return m_nRan; }

private:
    std::deque<Step> m_steps;
    int m_nRan = 0;
};

namespace synthetic {
// Clicks the centre of the dialog item with this id, as a person would; FALSE when the dialog
// has no such item.
BOOL ClickDlgItem(HWND hDlg, int nID);
}  // namespace synthetic
