// Message order: sent versus posted, retrieval filters, WM_QUIT, registered messages, creation and
// destruction sequences, and bad handles.
#include "window_test_support.h"

using namespace window_test;

namespace {

class MessageOrder : public WindowTest {};

TEST_F(MessageOrder, SentMessagesRunAtOncePostedOnesWaitInPostingOrder) {
    HWND h = Top();
    Settle();
    for (UINT i = 0; i < 3; ++i) PostMessage(h, WM_USER, i, 0);
    EXPECT_EQ(SendMessage(h, WM_GETTEXTLENGTH, 0, 0), 3);  // "top", answered during the call
    EXPECT_TRUE(Received(h, WM_USER).empty());
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 0u);
    for (UINT i = 0; i < 3; ++i) {
        ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(msg.hwnd, h);
        EXPECT_EQ(msg.wParam, i);
    }
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_TRUE(Received(h, WM_USER).empty());  // retrieved, not dispatched yet
    DispatchMessage(&msg);
    EXPECT_EQ(Received(h, WM_USER).size(), 1u);
}

TEST_F(MessageOrder, RangeFilterTakesOnlyKeyboardMessagesAndLeavesTheRest) {
    HWND h = Top();
    Settle();
    for (UINT m : {WM_USER, WM_KEYDOWN, WM_CHAR, WM_LBUTTONDOWN}) PostMessage(h, m, 0, 0);
    MSG msg;
    std::vector<UINT> taken;
    while (PeekMessage(&msg, h, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) taken.push_back(msg.message);
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) taken.push_back(msg.message);
    EXPECT_EQ(taken, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_USER, WM_LBUTTONDOWN}));
}

TEST_F(MessageOrder, WindowFilterIncludesChildrenButNotOtherWindows) {
    HWND a = Top();
    HWND child = Child(a, 7, 0, 0, 10, 10);
    HWND b = Top(500, 100);
    Settle();
    PostMessage(b, WM_USER, 1, 0);
    PostMessage(child, WM_USER, 2, 0);
    PostMessage(nullptr, WM_USER, 3, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, a, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, child);
    EXPECT_FALSE(PeekMessage(&msg, a, WM_USER, WM_USER, PM_REMOVE));
    // (HWND)-1 asks for messages without a window only.
    ASSERT_TRUE(PeekMessage(&msg, reinterpret_cast<HWND>(static_cast<INT_PTR>(-1)), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessage(&msg, BadWindow(), 0, 0, PM_REMOVE));
}

TEST_F(MessageOrder, QuitComesAfterPostedMessagesAndAnEmptyQueueFailsInsteadOfWaiting) {
    HWND h = Top();
    Settle();
    PostQuitMessage(3);
    PostMessage(h, WM_USER, 0, 0);
    MSG msg;
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), -1);
    EXPECT_EQ(GetMessage(&msg, BadWindow(), 0, 0), -1);
}

TEST_F(MessageOrder, RegisteredMessagesAreStablePerNameAndShareNumbersWithClipboardFormats) {
    const UINT a = RegisterWindowMessage("commdlg_FindReplace");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("COMMDLG_FINDREPLACE"), a);
    EXPECT_NE(RegisterWindowMessage("another"), a);
    EXPECT_EQ(RegisterClipboardFormat("commdlg_FindReplace"), a);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
    EXPECT_EQ(RegisterWindowMessage(nullptr), 0u);
}

TEST_F(MessageOrder, APostingLoopIsStoppedByTheQueueLimit) {
    HWND h = Top();
    Settle();
    int accepted = 0;
    while (PostMessage(h, WM_USER, 0, 0) && accepted < 20000) ++accepted;
    EXPECT_EQ(accepted, 10000);
    EXPECT_EQ(PumpMessages(20000), 10000);
}

TEST_F(MessageOrder, CreationSendsNcCreateCreateSizeMoveThenShowsOrFailsWhenCreateAnswersMinusOne) {
    Top();
    const std::vector<UINT> order{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW, WM_ACTIVATE};
    EXPECT_EQ(Sequence(order), order);
    Log().clear();
    Answer(WM_CREATE, -1);
    EXPECT_EQ(Top(), nullptr);
    EXPECT_EQ(Sequence({WM_DESTROY, WM_NCDESTROY}), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(Child(BadWindow(), 1, 0, 0, 1, 1), nullptr);
}

TEST_F(MessageOrder, DestroyTellsParentsFirstAndFreesChildrenFirst) {
    HWND top = Top();
    HWND a = Child(top, 1, 0, 0, 10, 10);
    HWND b = Child(a, 2, 0, 0, 5, 5);
    Settle();
    ASSERT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> seq;
    for (const Logged& e : Log())
        if (e.msg == WM_DESTROY || e.msg == WM_NCDESTROY) seq.emplace_back(e.hwnd, e.msg);
    const std::vector<std::pair<HWND, UINT>> expected{{top, WM_DESTROY}, {a, WM_DESTROY}, {b, WM_DESTROY},
                                                      {b, WM_NCDESTROY}, {a, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(seq, expected);
    EXPECT_FALSE(IsWindow(b));
}

TEST_F(MessageOrder, AWindowDestroyedInsideItsOwnHandlerIsSafeAndItsMessagesVanish) {
    HWND h = Top();
    Settle();
    CurrentHandler() = [](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_USER) return std::nullopt;
        PostMessage(w, WM_USER + 5, 0, 0);
        EXPECT_TRUE(DestroyWindow(w));
        EXPECT_EQ(SendMessage(w, WM_GETTEXTLENGTH, 0, 0), 0);  // stale at once
        return 7;
    };
    EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 7);
    EXPECT_FALSE(IsWindow(h));
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));  // the posted message went with it
    EXPECT_FALSE(DestroyWindow(h));
    EXPECT_FALSE(PostMessage(h, WM_USER, 0, 0));
}

TEST_F(MessageOrder, SendingToItselfWithoutEndIsCutOff) {
    HWND h = Top();
    Settle();
    int depth = 0;
    CurrentHandler() = [&depth](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_USER) return std::nullopt;
        ++depth;
        return SendMessage(w, WM_USER, 0, 0) + 1;
    };
    const LRESULT r = SendMessage(h, WM_USER, 0, 0);
    EXPECT_GT(depth, 10);
    EXPECT_LT(depth, 1000);
    EXPECT_EQ(r, depth);
}

TEST_F(MessageOrder, NullAndStaleHandlesFailQuietly) {
    EXPECT_EQ(SendMessage(nullptr, WM_USER, 0, 0), 0);
    EXPECT_FALSE(IsWindow(nullptr));
    EXPECT_FALSE(ShowWindow(nullptr, SW_SHOW));
    EXPECT_FALSE(InvalidateRect(nullptr, nullptr, TRUE));
    EXPECT_EQ(SetTimer(BadWindow(), 1, 10, nullptr), 0u);
    RECT rc;
    EXPECT_FALSE(GetClientRect(BadWindow(), &rc));
    EXPECT_EQ(DispatchMessage(nullptr), 0);
}

}  // namespace
