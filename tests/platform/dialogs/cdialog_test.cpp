// CDialog: templates by id along the resource chain and by a loaded template handle, the message
// map for commands and notifications, data exchange both ways, and refused values that keep the
// dialog open with the focus on the control.
#include "dialog_test_support.h"
#include "platform/framework/dialog.h"
#include "platform/framework/resources.h"

using namespace dialog_test;

namespace {

constexpr WORD kIdCount = 201, kIdRatio = 202, kIdName = 203, kIdFirst = 204, kIdSecond = 205, kIdCheck = 206,
               kIdUnsigned = 207, kIdApply = 208;

const DialogItem kItems[] = {
    TEdit(kIdCount, 7, 7),
    TEdit(kIdRatio, 7, 22),
    TEdit(kIdName, 7, 37),
    TButton(kIdFirst, "First", 80, 7, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON),
    TButton(kIdSecond, "Second", 80, 22, BS_AUTORADIOBUTTON),
    TButton(kIdCheck, "Check", 80, 37, WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX),
    TEdit(kIdUnsigned, 7, 52),
    TButton(kIdApply, "Apply", 80, 52, WS_TABSTOP | BS_PUSHBUTTON),
    TButton(IDOK, "OK", 7, 80, WS_TABSTOP | BS_DEFPUSHBUTTON),
    TButton(IDCANCEL, "Cancel", 70, 80, WS_TABSTOP | BS_PUSHBUTTON),
};

class CSampleDlg : public CDialog {
public:
    explicit CSampleDlg(UINT nID, CWnd* pParent = nullptr) : CDialog(nID, pParent) {}
    CSampleDlg() = default;
    int m_nCount = 3;
    double m_dRatio = 0.5;
    CString m_strName = "abc";
    int m_nChoice = 1;
    int m_nCheck = 1;
    UINT m_nUnsigned = 7;
    int m_nApplied = 0;
    bool m_bInitSeen = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kIdCount, m_nCount);
        DDX_Text(pDX, kIdRatio, m_dRatio);
        DDX_Text(pDX, kIdName, m_strName);
        DDX_Radio(pDX, kIdFirst, m_nChoice);
        DDX_Check(pDX, kIdCheck, m_nCheck);
        DDX_Text(pDX, kIdUnsigned, m_nUnsigned);
    }
    BOOL OnInitDialog() override {
        m_bInitSeen = true;
        return CDialog::OnInitDialog();
    }
    void OnApply() { ++m_nApplied; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSampleDlg, CDialog)
    ON_BN_CLICKED(kIdApply, &CSampleDlg::OnApply)
END_MESSAGE_MAP()

class CDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        bytes_ = BuildDialogTemplate(DialogHeader{"Sample", 0, 0, 160, 100}, kItems);
        const MODULE_RESOURCE res[] = {{RT_DIALOG, MAKEINTRESOURCE(5002), bytes_.data(), static_cast<DWORD>(bytes_.size())}};
        module_ = std::make_unique<CModuleRegistration>("SampleModule", res, 1);
    }
    void TearDown() override {
        module_.reset();
        DialogTest::TearDown();
    }
    static CString Text(HWND dlg, int id) {
        char buf[64];
        GetDlgItemText(dlg, id, buf, sizeof buf);
        return buf;
    }
    static void SetText(HWND dlg, int id, const char* text) { SetDlgItemText(dlg, id, text); }
    std::vector<BYTE> bytes_;
    std::unique_ptr<CModuleRegistration> module_;
};

TEST_F(CDialogTest, ByIdAlongTheChainLoadsAndSavesTheMembers) {
    CSampleDlg dlg(5002);
    ModalScript script;
    script.Then([&](HWND h) {
        EXPECT_EQ(h, dlg.m_hWnd);
        EXPECT_TRUE(dlg.m_bInitSeen);
        EXPECT_EQ(Text(h, kIdCount), "3");
        EXPECT_EQ(Text(h, kIdRatio), "0.5");
        EXPECT_EQ(Text(h, kIdName), "abc");
        EXPECT_EQ(dlg.GetCheckedRadioButton(kIdFirst, kIdSecond), kIdSecond);
        EXPECT_EQ(dlg.IsDlgButtonChecked(kIdCheck), 1u);
        EXPECT_EQ(Text(h, kIdUnsigned), "7");
        EXPECT_EQ(dlg.GetDlgItem(kIdName)->m_hWnd, GetDlgItem(h, kIdName));
        SetText(h, kIdCount, " -42 ");
        SetText(h, kIdRatio, "2.25e1");
        SetText(h, kIdName, "renamed");
        SetText(h, kIdUnsigned, "4000000000");
        dlg.CheckRadioButton(kIdFirst, kIdSecond, kIdFirst);
        dlg.CheckDlgButton(kIdCheck, 0);
        synthetic::ClickDlgItem(h, kIdApply);
    });
    script.Then([&](HWND h) {
        EXPECT_EQ(dlg.m_nApplied, 1);  // the notification reached the map
        synthetic::ClickDlgItem(h, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_nCount, -42);
    EXPECT_DOUBLE_EQ(dlg.m_dRatio, 22.5);
    EXPECT_EQ(dlg.m_strName, "renamed");
    EXPECT_EQ(dlg.m_nChoice, 0);
    EXPECT_EQ(dlg.m_nCheck, 0);
    EXPECT_EQ(dlg.m_nUnsigned, 4000000000u);
}

TEST_F(CDialogTest, ByALoadedTemplateHandleWithTheNameCleared) {
    // What a plug-in does with its own module's templates.
    const HMODULE module = *module_;
    CSampleDlg dlg;
    HRSRC res = FindResourceA(module, MAKEINTRESOURCE(5002), RT_DIALOG);
    ASSERT_NE(res, nullptr);
    dlg.m_hDialogTemplate = LoadResource(module, res);
    dlg.m_lpszTemplateName = nullptr;
    // Another module earlier on the chain with the same id must not be used.
    const DialogItem other[] = {TButton(IDCANCEL, "Other", 7, 7, WS_TABSTOP)};
    const std::vector<BYTE> o = BuildDialogTemplate(DialogHeader{"Other", 0, 0, 60, 30}, other);
    const MODULE_RESOURCE ores[] = {{RT_DIALOG, MAKEINTRESOURCE(5002), o.data(), static_cast<DWORD>(o.size())}};
    CModuleRegistration shadow("Shadow", ores, 1);
    AfxSetResourceHandle(shadow);
    ModalScript script;
    script.Then([&](HWND h) {
        char caption[32];
        GetWindowText(h, caption, sizeof caption);
        EXPECT_STREQ(caption, "Sample");
        synthetic::KeyPress(VK_ESCAPE);
    });
    dlg.m_nCount = 9;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    AfxSetResourceHandle(nullptr);
    EXPECT_EQ(dlg.m_nCount, 9);  // Cancel saves nothing
    // Without any template there is nothing to run.
    CSampleDlg none(4242);
    EXPECT_EQ(none.DoModal(), -1);
}

TEST_F(CDialogTest, ARefusedValueKeepsTheDialogOpenWithTheFocusOnTheControl) {
    CSampleDlg dlg(5002);
    CString boxText;
    ModalScript script;
    script.Then([&](HWND h) {
        SetText(h, kIdCount, "12x");
        synthetic::ClickDlgItem(h, IDOK);
    });
    script.Then([&](HWND box) {  // the message box about the value, inside the dialog's loop
        EXPECT_NE(box, dlg.m_hWnd);
        boxText = Text(box, kNoId);
        synthetic::KeyPress(VK_RETURN);
    });
    script.Then([&](HWND h) {
        EXPECT_EQ(h, dlg.m_hWnd);
        EXPECT_EQ(GetFocus(), GetDlgItem(h, kIdCount));
        EXPECT_EQ(dlg.m_nCount, 3);
        SetText(h, kIdCount, "99999999999");  // beyond an int
        synthetic::ClickDlgItem(h, IDOK);
    });
    script.Then([&](HWND) { synthetic::KeyPress(VK_RETURN); });
    script.Then([&](HWND h) {
        SetText(h, kIdCount, "5");
        SetText(h, kIdRatio, "nan");
        synthetic::ClickDlgItem(h, IDOK);
    });
    script.Then([&](HWND) { synthetic::KeyPress(VK_RETURN); });
    script.Then([&](HWND h) {
        EXPECT_EQ(GetFocus(), GetDlgItem(h, kIdRatio));
        SetText(h, kIdRatio, "1.5");
        SetText(h, kIdUnsigned, "-1");
        synthetic::ClickDlgItem(h, IDOK);
    });
    script.Then([&](HWND) { synthetic::KeyPress(VK_RETURN); });
    script.Then([&](HWND h) {
        EXPECT_EQ(GetFocus(), GetDlgItem(h, kIdUnsigned));
        SetText(h, kIdUnsigned, "8");
        synthetic::ClickDlgItem(h, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(script.Remaining(), 0u);
    EXPECT_EQ(boxText, kDdxParseInt);
    EXPECT_EQ(dlg.m_nCount, 5);
    EXPECT_DOUBLE_EQ(dlg.m_dRatio, 1.5);
    EXPECT_EQ(dlg.m_nUnsigned, 8u);
}

TEST_F(CDialogTest, AModelessDialogIsInitialisedAndLetGoWhenDestroyed) {
    CSampleDlg dlg;
    ASSERT_TRUE(dlg.Create(5002));
    EXPECT_TRUE(dlg.m_bInitSeen);
    EXPECT_EQ(CWnd::GetFocus()->m_hWnd, GetDlgItem(dlg, kIdCount));
    EXPECT_EQ(Text(dlg, kIdCount), "3");
    dlg.GotoDlgCtrl(dlg.GetDlgItem(kIdApply));
    EXPECT_EQ(Type(GetDlgItem(dlg, kIdApply)), BS_DEFPUSHBUTTON);  // the focused push button shows as default
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

}  // namespace
