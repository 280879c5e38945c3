// Message maps of framework windows: window messages, commands and notifications with their
// arguments, base maps, default handling, subclassing of dialog items, the handle maps, and
// windows destroyed by their own handlers.
#include "platform/framework/wnd.h"
#include "platform/win/synthetic_input.h"
#include "window_test_support.h"

using namespace window_test;

namespace {

UINT g_registered = 0;

class CBaseWnd : public CWnd {
public:
    int baseUser = 0;
    CPoint lastDown{-1, -1};
    UINT lastDownFlags = 0;

protected:
    LRESULT OnUser2(WPARAM w, LPARAM) {
        ++baseUser;
        return static_cast<LRESULT>(w) * 2;
    }
    void OnLButtonDown(UINT nFlags, CPoint point) {
        lastDownFlags = nFlags;
        lastDown = point;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(WM_USER + 2, &CBaseWnd::OnUser2)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class CTestWnd : public CBaseWnd {
public:
    std::vector<std::string> calls;
    int createSawAttached = -1;
    bool failCreate = false;
    bool destroyOnClick = false;
    bool deleteAtEnd = false;
    UINT lastChar = 0, lastRepeat = 0;
    UINT_PTR lastTimer = 0;
    UINT lastRangeId = 0;
    UINT lastNotifyCode = 0;

protected:
    int OnCreate(LPCREATESTRUCT cs) {
        createSawAttached = CWnd::FromHandlePermanent(m_hWnd) == this ? 1 : 0;
        calls.push_back(std::string("create:") + (cs && cs->lpszName ? cs->lpszName : ""));
        if (failCreate) return -1;
        return CWnd::OnCreate(cs);
    }
    void OnLButtonDown(UINT nFlags, CPoint point) {
        calls.push_back("down");
        CBaseWnd::OnLButtonDown(nFlags, point);
        if (destroyOnClick) DestroyWindow();
    }
    void OnChar(UINT nChar, UINT nRepCnt, UINT) {
        lastChar = nChar;
        lastRepeat = nRepCnt;
    }
    void OnTimer(UINT_PTR nIDEvent) { lastTimer = nIDEvent; }
    LRESULT OnUser1(WPARAM w, LPARAM l) {
        calls.push_back("user1");
        return static_cast<LRESULT>(w + static_cast<WPARAM>(l));
    }
    LRESULT OnRegistered(WPARAM, LPARAM) {
        calls.push_back("registered");
        return 5;
    }
    void OnOK() { calls.push_back("ok"); }
    void OnDetails() { calls.push_back("details"); }
    void OnEditChange() { calls.push_back("edit"); }
    void OnRange(UINT nID) { lastRangeId = nID; }
    void OnItemNotify(NMHDR* hdr, LRESULT* result) {
        lastNotifyCode = hdr->code;
        *result = 99;
    }
    LRESULT OnNcHitTest(CPoint point) {
        calls.push_back("hittest");
        return CWnd::OnNcHitTest(point);  // the default answer
    }
    void PostNcDestroy() override {
        calls.push_back("postncdestroy");
        if (deleteAtEnd) delete this;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestWnd, CBaseWnd)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_CHAR()
    ON_WM_TIMER()
    ON_WM_NCHITTEST()
    ON_MESSAGE(WM_USER + 1, &CTestWnd::OnUser1)
    ON_REGISTERED_MESSAGE(g_registered, &CTestWnd::OnRegistered)
    ON_COMMAND(IDOK, &CTestWnd::OnOK)
    ON_BN_CLICKED(100, &CTestWnd::OnDetails)
    ON_EN_CHANGE(101, &CTestWnd::OnEditChange)
    ON_COMMAND_RANGE(200, 210, &CTestWnd::OnRange)
    ON_NOTIFY(7, 300, &CTestWnd::OnItemNotify)
END_MESSAGE_MAP()

class MessageMaps : public WindowTest {
protected:
    void TearDown() override {
        CWnd::DeleteTempMap();
        WindowTest::TearDown();
    }
    static BOOL Make(CWnd& w, const char* text = "framework") {
        return w.CreateEx(0, nullptr, text, WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, 0);
    }
};

TEST_F(MessageMaps, WindowMessagesReachTheirHandlersWithTheirArguments) {
    CTestWnd w;
    ASSERT_TRUE(Make(w));
    EXPECT_EQ(w.createSawAttached, 1);  // attached before WM_CREATE
    ASSERT_FALSE(w.calls.empty());
    EXPECT_EQ(w.calls.front(), "create:framework");
    PumpMessages();
    w.calls.clear();
    synthetic::KeyDown(VK_SHIFT);
    synthetic::Click(w.m_hWnd, POINT{7, 8});
    synthetic::KeyUp(VK_SHIFT);
    synthetic::TypeText("z");
    w.SetTimer(9, 50);
    AdvanceClock(50);
    PumpMessages();
    EXPECT_EQ(w.lastDown.x, 7);
    EXPECT_EQ(w.lastDown.y, 8);
    EXPECT_EQ(w.lastDownFlags, static_cast<UINT>(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(w.lastChar, static_cast<UINT>('z'));
    EXPECT_EQ(w.lastRepeat, 1u);
    EXPECT_EQ(w.lastTimer, 9u);
    EXPECT_NE(std::find(w.calls.begin(), w.calls.end(), "hittest"), w.calls.end());
    EXPECT_EQ(w.SendMessage(WM_USER + 1, 2, 3), 5);
    EXPECT_EQ(w.SendMessage(WM_USER + 2, 4), 8);  // from the base class's map
    EXPECT_EQ(w.baseUser, 1);
    // Unmapped messages get the default handling.
    CString text;
    w.GetWindowText(text);
    EXPECT_STREQ(text, "framework");
    EXPECT_EQ(w.SendMessage(WM_NCHITTEST, 0, MAKEPOINTLPARAM(15, 15)), HTCLIENT);
}

TEST_F(MessageMaps, RegisteredMessagesCommandsAndNotificationsAreRouted) {
    g_registered = RegisterWindowMessage("krx-test-registered");
    CTestWnd w;
    ASSERT_TRUE(Make(w));
    w.calls.clear();
    EXPECT_EQ(w.SendMessage(g_registered), 5);
    EXPECT_EQ(w.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, 0)), 1);
    EXPECT_EQ(w.SendMessage(WM_COMMAND, MAKEWPARAM(100, BN_CLICKED)), 1);
    EXPECT_EQ(w.SendMessage(WM_COMMAND, MAKEWPARAM(101, EN_CHANGE)), 1);
    EXPECT_EQ(w.SendMessage(WM_COMMAND, MAKEWPARAM(101, EN_UPDATE)), 0);  // a code nobody maps
    EXPECT_EQ(w.SendMessage(WM_COMMAND, MAKEWPARAM(100, BN_DOUBLECLICKED)), 0);
    EXPECT_EQ(w.calls, (std::vector<std::string>{"registered", "ok", "details", "edit"}));
    EXPECT_EQ(w.SendMessage(WM_COMMAND, MAKEWPARAM(205, 0)), 1);
    EXPECT_EQ(w.lastRangeId, 205u);
    EXPECT_EQ(w.SendMessage(WM_COMMAND, MAKEWPARAM(211, 0)), 0);
    NMHDR hdr{nullptr, 300, 7};
    EXPECT_EQ(w.SendMessage(WM_NOTIFY, 300, reinterpret_cast<LPARAM>(&hdr)), 99);
    EXPECT_EQ(w.lastNotifyCode, 7u);
    hdr.code = 8;
    EXPECT_EQ(w.SendMessage(WM_NOTIFY, 300, reinterpret_cast<LPARAM>(&hdr)), 0);
}

TEST_F(MessageMaps, CreationFailsWhenOnCreateRefusesAndTheObjectIsDetached) {
    CTestWnd w;
    w.failCreate = true;
    EXPECT_FALSE(Make(w));
    EXPECT_EQ(w.m_hWnd, nullptr);
    EXPECT_NE(std::find(w.calls.begin(), w.calls.end(), "postncdestroy"), w.calls.end());
    EXPECT_FALSE(w.CreateEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, 0));
}

TEST_F(MessageMaps, ADialogItemSubclassedByIdKeepsItsOwnProcedureForTheRest) {
    HWND dlg = Top();
    HWND item = Child(dlg, 5000, 10, 10, 100, 50);
    Settle();
    CTestWnd w;
    ASSERT_TRUE(w.SubclassDlgItem(5000, CWnd::FromHandle(dlg)));
    EXPECT_EQ(CWnd::FromHandle(item), &w);
    EXPECT_EQ(CWnd::FromHandle(dlg)->GetDlgItem(5000), &w);
    synthetic::Click(item, POINT{3, 4});
    PumpMessages();
    EXPECT_EQ(w.lastDown.x, 3);
    EXPECT_TRUE(Received(item, WM_LBUTTONDOWN).empty());  // the map took it
    EXPECT_EQ(Received(item, WM_LBUTTONUP).size(), 1u);   // the original procedure got the rest
    EXPECT_FALSE(w.SubclassDlgItem(5000, CWnd::FromHandle(dlg)));  // attached already
    EXPECT_FALSE(w.SubclassDlgItem(4711, CWnd::FromHandle(dlg)));
    EXPECT_EQ(w.UnsubclassWindow(), item);
    EXPECT_EQ(CWnd::FromHandlePermanent(item), nullptr);
    Log().clear();
    SendMessage(item, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(Received(item, WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(MessageMaps, AWindowDestroyedByItsOwnHandlerDetachesAndMayDeleteItsObject) {
    auto* w = new CTestWnd;
    w->destroyOnClick = true;
    w->deleteAtEnd = true;
    ASSERT_TRUE(Make(*w));
    const HWND h = w->m_hWnd;
    PumpMessages();
    synthetic::Click(h, POINT{5, 5});
    PumpMessages();  // the object deletes itself in PostNcDestroy; the sanitizer watches the rest
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);

    CTestWnd kept;
    kept.destroyOnClick = true;
    ASSERT_TRUE(Make(kept));
    kept.SendMessage(WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(kept.m_hWnd, nullptr);
    EXPECT_EQ(kept.calls.back(), "postncdestroy");
    EXPECT_FALSE(kept.DestroyWindow());
    EXPECT_FALSE(kept.PostMessage(WM_USER));
}

TEST_F(MessageMaps, HandleMapsAttachOnceAndTemporaryObjectsStandInForOthers) {
    HWND a = Top();
    CWnd* temp = CWnd::FromHandle(a);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hWnd, a);
    EXPECT_EQ(CWnd::FromHandle(a), temp);
    EXPECT_EQ(CWnd::FromHandlePermanent(a), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    CWnd one, two;
    EXPECT_TRUE(one.Attach(a));
    EXPECT_EQ(CWnd::FromHandle(a), &one);
    EXPECT_FALSE(two.Attach(a));
    EXPECT_FALSE(two.Attach(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xDEAD0))));
    EXPECT_EQ(one.Detach(), a);
    CWnd::DeleteTempMap();
    EXPECT_TRUE(IsWindow(a));  // temporary objects never own their windows
    {
        CWnd owner;
        ASSERT_TRUE(owner.Attach(a));
    }
    EXPECT_FALSE(IsWindow(a));  // a permanent object destroys its window with itself
}

TEST_F(MessageMaps, MemberOperationsActOnTheWindow) {
    CTestWnd w;
    ASSERT_TRUE(Make(w));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "kid", WS_VISIBLE, RECT{5, 6, 55, 26}, &w, 42));
    EXPECT_EQ(w.GetDlgItem(42), &child);
    EXPECT_EQ(child.GetParent(), &w);
    EXPECT_EQ(child.GetDlgCtrlID(), 42);
    w.SetDlgItemText(42, "renamed");
    CString text;
    EXPECT_EQ(w.GetDlgItemText(42, text), 7);
    EXPECT_STREQ(text, "renamed");
    CRect rc;
    child.GetClientRect(&rc);
    EXPECT_EQ(rc.Width(), 50);
    child.ClientToScreen(&rc);
    EXPECT_EQ(rc.left, 15);
    EXPECT_EQ(child.SetFocus(), &w);
    EXPECT_EQ(CWnd::GetFocus(), &child);
    child.SetCapture();
    EXPECT_EQ(CWnd::GetCapture(), &child);
    ReleaseCapture();
    w.ModifyStyle(0, WS_VSCROLL, SWP_FRAMECHANGED);
    w.SetScrollRange(SB_VERT, 0, 10);
    EXPECT_EQ(w.SetScrollPos(SB_VERT, 4), 0);
    EXPECT_EQ(w.GetScrollPos(SB_VERT), 4);
    SCROLLINFO si{};
    EXPECT_TRUE(w.GetScrollInfo(SB_VERT, &si, SIF_RANGE));
    EXPECT_EQ(si.nMax, 10);
    PumpMessages();
    w.Invalidate(FALSE);
    EXPECT_TRUE(w.GetUpdateRect(nullptr));
    w.UpdateWindow();
    EXPECT_FALSE(w.GetUpdateRect(nullptr));
}

}  // namespace
