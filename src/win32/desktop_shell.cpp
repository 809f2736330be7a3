#include "win32/desktop_shell.h"

#include <windows.h>
#include <exdisp.h>
#include <shldisp.h>
#include <shobjidl.h>

#include <vector>

#include "ports/failure.h"
#include "win32/handles.h"
#include "win32/system_error.h"

namespace orv::win32 {
namespace {

// The service of a shell view's top-level browser (SID_STopLevelBrowser, shlguid.h), written out:
// MinGW-w64's uuid library does not carry it.
constexpr GUID kTopLevelBrowser = {0x4c96be40, 0x915c, 0x11cf, {0x99, 0xd3, 0x00, 0xaa, 0x00, 0x4a, 0xe8, 0x37}};

UniqueHandle TokenOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) ThrowLastError(L"Could not read a process's rights");
    return UniqueHandle(token);
}

// The user a token belongs to, as its TOKEN_USER.
std::vector<BYTE> UserOf(HANDLE token) {
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size)) {
        ThrowLastError(L"Could not read a process's user");
    }
    return user;
}

// The shell window's process runs as the same user as this one.
bool DesktopIsOurUsers(HWND shellWindow) {
    DWORD processId = 0;
    GetWindowThreadProcessId(shellWindow, &processId);
    const UniqueHandle shell(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!shell) return false;
    const auto desktopUser = UserOf(TokenOf(shell.get()).get());
    const auto ourUser = UserOf(TokenOf(GetCurrentProcess()).get());
    return EqualSid(reinterpret_cast<const TOKEN_USER*>(desktopUser.data())->User.Sid,
                    reinterpret_cast<const TOKEN_USER*>(ourUser.data())->User.Sid) != FALSE;
}

void Check(HRESULT result) {
    if (FAILED(result)) throw Failure(L"the desktop's shell did not answer (" + SystemMessage(static_cast<DWORD>(result)) + L")");
}

// The shell's automation object behind the desktop's view: the way from the shell windows, through the
// desktop's browser and its view, to the application that the view belongs to.
ComPointer<IShellDispatch2> DesktopAutomation() {
    IShellWindows* windows = nullptr;
    Check(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                           reinterpret_cast<void**>(&windows)));
    const ComPointer<IShellWindows> shellWindows(windows);
    VARIANT location{};
    VariantInit(&location);
    VARIANT root{};
    VariantInit(&root);
    long window = 0;
    IDispatch* found = nullptr;
    const HRESULT search = shellWindows->FindWindowSW(&location, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &found);
    const ComPointer<IDispatch> desktop(found);
    if (search == S_FALSE || !desktop) throw Failure(L"the desktop's shell has no window of its own");
    Check(search);

    IServiceProvider* services = nullptr;
    Check(desktop->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&services)));
    const ComPointer<IServiceProvider> provider(services);
    IShellBrowser* browser = nullptr;
    Check(provider->QueryService(kTopLevelBrowser, IID_IShellBrowser, reinterpret_cast<void**>(&browser)));
    const ComPointer<IShellBrowser> topBrowser(browser);
    IShellView* view = nullptr;
    Check(topBrowser->QueryActiveShellView(&view));
    const ComPointer<IShellView> activeView(view);
    IDispatch* background = nullptr;
    Check(activeView->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, reinterpret_cast<void**>(&background)));
    const ComPointer<IDispatch> viewObject(background);
    IShellFolderViewDual* folderView = nullptr;
    Check(viewObject->QueryInterface(IID_IShellFolderViewDual, reinterpret_cast<void**>(&folderView)));
    const ComPointer<IShellFolderViewDual> dual(folderView);
    IDispatch* application = nullptr;
    Check(dual->get_Application(&application));
    const ComPointer<IDispatch> shellApplication(application);
    IShellDispatch2* automation = nullptr;
    Check(shellApplication->QueryInterface(IID_IShellDispatch2, reinterpret_cast<void**>(&automation)));
    return ComPointer<IShellDispatch2>(automation);
}

// A text as an automation argument, freed with it.
class TextArgument {
public:
    explicit TextArgument(const std::wstring& text) {
        VariantInit(&value_);
        value_.vt = VT_BSTR;
        value_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (value_.bstrVal == nullptr) throw Failure(L"Out of memory");
    }
    ~TextArgument() { VariantClear(&value_); }
    TextArgument(const TextArgument&) = delete;
    TextArgument& operator=(const TextArgument&) = delete;
    [[nodiscard]] const VARIANT& get() const { return value_; }
    [[nodiscard]] BSTR text() const { return value_.bstrVal; }

private:
    VARIANT value_{};
};

}  // namespace

bool RunsElevated() {
    const UniqueHandle token = TokenOf(GetCurrentProcess());
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    if (!GetTokenInformation(token.get(), TokenElevationType, &type, sizeof(type), &size)) {
        ThrowLastError(L"Could not read this program's rights");
    }
    return type == TokenElevationTypeFull;
}

void OpenAsDesktopUser(const std::wstring& program, const std::wstring& arguments, const std::wstring& directory) {
    const HWND shellWindow = GetShellWindow();
    if (shellWindow == nullptr) throw Failure(L"there is no desktop shell");
    if (!DesktopIsOurUsers(shellWindow)) throw Failure(L"the desktop is another user's");
    const ComPointer<IShellDispatch2> shell = DesktopAutomation();
    const TextArgument file(program);
    const TextArgument parameters(arguments);
    const TextArgument folder(directory);
    const TextArgument verb(L"");
    VARIANT show{};
    VariantInit(&show);
    show.vt = VT_I4;
    show.lVal = SW_SHOWNORMAL;
    Check(shell->ShellExecute(file.text(), parameters.get(), folder.get(), verb.get(), show));
}

}  // namespace orv::win32
