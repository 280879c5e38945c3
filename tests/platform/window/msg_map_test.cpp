// Message maps of framework windows: window messages, commands and notifications with their
// arguments, base maps, default handling, subclassing of dialog items, the handle maps, and
// windows destroyed by their own handlers.
#include "platform/framework/wnd.h"
#include "platform/win/synthetic_input.h"
#include "window_test_support.h"

using namespace window_test;

namespace {

UINT g_registered = 0;

// Every handler notes its call with its arguments in one list.
class CBaseWnd : public CWnd {
public:
    std::vector<std::string> calls;

protected:
    void Note(std::string what) { calls.push_back(std::move(what)); }
    LRESULT OnUser2(WPARAM w, LPARAM) {
        Note("base user2");
        return static_cast<LRESULT>(w) * 2;
    }
    void OnLButtonDown(UINT nFlags, CPoint pt) {
        Note("down " + std::to_string(pt.x) + "," + std::to_string(pt.y) + " flags " + std::to_string(nFlags));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(WM_USER + 2, &CBaseWnd::OnUser2)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class CTestWnd : public CBaseWnd {
public:
    bool failCreate = false, destroyOnClick = false, deleteAtEnd = false;
    int hitTests = 0;

protected:
    int OnCreate(LPCREATESTRUCT cs) {
        Note(std::string("create ") + cs->lpszName + (CWnd::FromHandlePermanent(m_hWnd) == this ? " attached" : ""));
        return failCreate ? -1 : CWnd::OnCreate(cs);
    }
    void OnLButtonDown(UINT nFlags, CPoint point) {
        CBaseWnd::OnLButtonDown(nFlags, point);
        if (destroyOnClick) DestroyWindow();
    }
    void OnChar(UINT nChar, UINT nRepCnt, UINT) {
        Note("char " + std::string(1, static_cast<char>(nChar)) + " x" + std::to_string(nRepCnt));
    }
    void OnTimer(UINT_PTR nIDEvent) { Note("timer " + std::to_string(nIDEvent)); }
    LRESULT OnUser1(WPARAM w, LPARAM l) { return static_cast<LRESULT>(w + static_cast<WPARAM>(l)); }
    LRESULT OnRegistered(WPARAM, LPARAM) {
        Note("registered");
        return 5;
    }
    void OnOK() { Note("ok"); }
    void OnDetails() { Note("details"); }
    void OnEditChange() { Note("edit"); }
    void OnRange(UINT nID) { Note("range " + std::to_string(nID)); }
    void OnItemNotify(NMHDR* hdr, LRESULT* result) {
        Note("notify " + std::to_string(hdr->code));
        *result = 99;
    }
    LRESULT OnNcHitTest(CPoint point) {
        ++hitTests;
        return CWnd::OnNcHitTest(point);  // the default answer
    }
    void PostNcDestroy() override {
        Note("postncdestroy");
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
    ASSERT_FALSE(w.calls.empty());
    EXPECT_EQ(w.calls.front(), "create framework attached");  // attached before WM_CREATE
    PumpMessages();
    w.calls.clear();
    synthetic::KeyDown(VK_SHIFT);
    synthetic::Click(w.m_hWnd, POINT{7, 8});
    synthetic::KeyUp(VK_SHIFT);
    synthetic::TypeText("z");
    w.SetTimer(9, 50);
    AdvanceClock(50);
    PumpMessages();
    const std::string down = "down 7,8 flags " + std::to_string(MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(w.calls, (std::vector<std::string>{down, "char z x1", "timer 9"}));
    EXPECT_GT(w.hitTests, 0);
    EXPECT_EQ(w.SendMessage(WM_USER + 1, 2, 3), 5);
    EXPECT_EQ(w.SendMessage(WM_USER + 2, 4), 8);  // from the base class's map
    EXPECT_EQ(w.calls.back(), "base user2");
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
    NMHDR hdr7{nullptr, 300, 7}, hdr8{nullptr, 300, 8};
    const struct {
        UINT msg;
        WPARAM wParam;
        const NMHDR* hdr;
        LRESULT result;
        std::string call;  // empty: nothing mapped
    } cases[] = {
        {g_registered, 0, nullptr, 5, "registered"},
        {WM_COMMAND, MAKEWPARAM(IDOK, 0), nullptr, 1, "ok"},
        {WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), nullptr, 1, "details"},
        {WM_COMMAND, MAKEWPARAM(101, EN_CHANGE), nullptr, 1, "edit"},
        {WM_COMMAND, MAKEWPARAM(101, EN_UPDATE), nullptr, 0, ""},  // a code nobody maps
        {WM_COMMAND, MAKEWPARAM(100, BN_DOUBLECLICKED), nullptr, 0, ""},
        {WM_COMMAND, MAKEWPARAM(205, 0), nullptr, 1, "range 205"},
        {WM_COMMAND, MAKEWPARAM(211, 0), nullptr, 0, ""},
        {WM_NOTIFY, 300, &hdr7, 99, "notify 7"},
        {WM_NOTIFY, 300, &hdr8, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.msg << " " << c.wParam);
        w.calls.clear();
        EXPECT_EQ(w.SendMessage(c.msg, c.wParam, reinterpret_cast<LPARAM>(c.hdr)), c.result);
        EXPECT_EQ(w.calls, c.call.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.call});
    }
}

TEST_F(MessageMaps, CreationFailsWhenOnCreateRefusesAndTheObjectIsDetached) {
    CTestWnd w;
    w.failCreate = true;
    EXPECT_FALSE(Make(w));
    EXPECT_EQ(w.m_hWnd, nullptr);
    EXPECT_EQ(w.calls.back(), "postncdestroy");
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
    EXPECT_EQ(w.calls.back(), "down 3,4 flags " + std::to_string(MK_LBUTTON));
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
    EXPECT_FALSE(two.Attach(BadWindow()));
    EXPECT_EQ(one.Detach(), a);
    CWnd::DeleteTempMap();
    EXPECT_TRUE(IsWindow(a));  // temporary objects never own their windows
    {
        CWnd owner;
        ASSERT_TRUE(owner.Attach(a));
    }
    EXPECT_FALSE(IsWindow(a));  // a permanent object destroys its window with itself
}

TEST_F(MessageMaps, AChildCreatedThroughItsObjectIsAnItemOfItsParentsObject) {
    CTestWnd w;
    ASSERT_TRUE(Make(w));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "kid", WS_VISIBLE, RECT{5, 6, 55, 26}, &w, 42));
    EXPECT_TRUE(GetWindowLong(child.m_hWnd, GWL_STYLE) & WS_CHILD);  // Create always makes a child
    EXPECT_EQ(w.GetDlgItem(42), &child);
    EXPECT_EQ(child.GetParent(), &w);
    CRect rc;
    child.GetWindowRect(&rc);
    EXPECT_TRUE(RectIs(rc, {15, 16, 65, 36}));  // the rectangle is in the parent's client coordinates
    EXPECT_EQ(child.SetFocus(), &w);  // the previous focus, as an object
    EXPECT_EQ(CWnd::GetFocus(), &child);
}

}  // namespace
