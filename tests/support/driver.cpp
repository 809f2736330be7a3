#include "driver.h"
#include "user_rights.h"

#include "registry_seed.h"
#include "win32/dialogs.h"
#include "win32/handles.h"

#include <commctrl.h>

#include <memory>
#include <stdexcept>

namespace orv::e2e {
namespace {

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && IsWindowVisible(window)) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

// Memory in the program's process, freed on destruction.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, std::size_t size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {
        if (address_ == nullptr) throw std::runtime_error("VirtualAllocEx failed");
    }
    ~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    void* address() const { return address_; }
    void write(const void* data, std::size_t size, std::size_t offset = 0) const {
        WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
    }
    void read(void* data, std::size_t size, std::size_t offset = 0) const {
        ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
    }

private:
    HANDLE process_;
    void* address_;
};

// The driver sees the program's windows in real pixels, whatever the screen's DPI.
const bool kDpiAware = SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) != FALSE;

}  // namespace

SystemColoursFor::SystemColoursFor(std::vector<int> elements, const std::vector<COLORREF>& colours)
    : elements_(std::move(elements)) {
    for (const int element : elements_) saved_.push_back(GetSysColor(element));
    SetSysColors(static_cast<int>(elements_.size()), elements_.data(), colours.data());
}

SystemColoursFor::~SystemColoursFor() {
    SetSysColors(static_cast<int>(elements_.size()), elements_.data(), saved_.data());
}

bool RunAndWait(const std::wstring& commandLine, std::chrono::milliseconds timeout) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring writable = commandLine;
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    const win32::UniqueHandle processHandle(process.hProcess);
    const win32::UniqueHandle threadHandle(process.hThread);
    return WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

HWND FindBox(const std::wstring& title) {
    const HWND box = FindWindowW(L"#32770", title.c_str());
    return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

std::wstring ExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

ProgramUnderTest::ProgramUnderTest(std::wstring exePath, std::chrono::milliseconds timeout,
                                   const std::wstring& workingDirectory, Rights rights) {
    if (exePath.empty()) exePath = ExecutableFolder() + kProgramUnderTest;
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const wchar_t* const directory = workingDirectory.empty() ? nullptr : workingDirectory.c_str();
    const BOOL started = rights == Rights::Users
                             ? CreateProcessWithUsersRights(exePath.c_str(), commandLine.data(), directory, &startup, &info)
                             : CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                              directory, &startup, &info);
    if (!started) throw std::runtime_error("could not start orvendale.exe");
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    // The window exists, hidden, before start-up has run; it is shown when start-up is done. Start-up
    // may show a report before that: wait for either.
    WaitUntil([&] { return IsWindowVisible(mainWindow()) != FALSE || !dialogs().empty() || !running(); }, timeout);
}

HWND ProgramUnderTest::mainWindow() const {
    if (main_ == nullptr) {
        for (HWND window : TopLevelWindowsOf(processId_)) {
            if (ClassOf(window) == L"OrvendaleMainWindow") main_ = window;
        }
    }
    return main_;
}

ProgramUnderTest::~ProgramUnderTest() {
    if (running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

std::wstring ProgramUnderTest::caption() const {
    return WindowText(mainWindow());
}

HWND ProgramUnderTest::control(const std::wstring& caption) const {
    for (HWND child : ChildrenOf(mainWindow())) {
        if (WindowText(child) == caption) return child;
    }
    return nullptr;
}

HWND ProgramUnderTest::list() const {
    for (HWND child : ChildrenOf(mainWindow())) {
        if (ClassOf(child) == WC_LISTVIEWW) return child;
    }
    return nullptr;
}

void ProgramUnderTest::click(const std::wstring& caption) const {
    const HWND button = control(caption);
    if (button == nullptr) throw std::runtime_error("no such button");
    PostMessageW(button, BM_CLICK, 0, 0);
}

void ProgramUnderTest::clickAndWait(const std::wstring& caption, std::chrono::milliseconds timeout) const {
    const HWND button = control(caption);
    if (button == nullptr) throw std::runtime_error("no such button");
    DWORD_PTR result = 0;
    SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout.count()), &result);
}

void ProgramUnderTest::waitIdle(std::chrono::milliseconds timeout) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(mainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout.count()), &result);
}

std::wstring ProgramUnderTest::remoteText(HWND listControl, int row, int subItem) const {
    constexpr std::size_t kChars = 65536;
    RemoteBuffer remote(process_, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    LVITEMW item{};
    item.iSubItem = subItem;
    item.cchTextMax = static_cast<int>(kChars);
    item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote.address()) + sizeof(LVITEMW));
    remote.write(&item, sizeof(item));
    const auto length = SendMessageW(listControl, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote.address()));
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    if (length > 0) remote.read(text.data(), static_cast<std::size_t>(length) * sizeof(wchar_t), sizeof(LVITEMW));
    return text;
}

std::vector<ListRow> ProgramUnderTest::rows() const {
    const HWND listControl = list();
    const auto count = static_cast<int>(SendMessageW(listControl, LVM_GETITEMCOUNT, 0, 0));
    std::vector<ListRow> result;
    for (int position = 0; position < count; ++position) {
        ListRow entry;
        entry.index = position;
        entry.keyName = remoteText(listControl, position, 3);
        if (!SeededUninstallEntries::IsSeeded(entry.keyName)) continue;
        entry.text = remoteText(listControl, position, 0);
        entry.uninstall = remoteText(listControl, position, 1);
        entry.uninstallerFile = remoteText(listControl, position, 2);
        const auto state = SendMessageW(listControl, LVM_GETITEMSTATE, position, LVIS_STATEIMAGEMASK);
        entry.checked = static_cast<UINT>(state) == kTickedBox;
        result.push_back(std::move(entry));
    }
    return result;
}

int ProgramUnderTest::rowNamed(const std::wstring& name) const {
    const auto seeded = rows();
    for (std::size_t row = 0; row < seeded.size(); ++row) {
        if (seeded[row].text == name) return static_cast<int>(row);
    }
    return -1;
}

int ProgramUnderTest::positionOf(int row) const {
    return rows().at(static_cast<std::size_t>(row)).index;
}

int ProgramUnderTest::rowAt(int position) const {
    const auto seeded = rows();
    for (std::size_t row = 0; row < seeded.size(); ++row) {
        if (seeded[row].index == position) return static_cast<int>(row);
    }
    return -1;
}

std::vector<ListColumn> ProgramUnderTest::columns() const {
    const HWND listControl = list();
    const HWND header = reinterpret_cast<HWND>(SendMessageW(listControl, LVM_GETHEADER, 0, 0));
    const auto count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    std::vector<ListColumn> result;
    for (int column = 0; column < count; ++column) {
        constexpr std::size_t kChars = 256;
        RemoteBuffer remote(process_, sizeof(LVCOLUMNW) + kChars * sizeof(wchar_t));
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.cchTextMax = static_cast<int>(kChars);
        info.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote.address()) + sizeof(LVCOLUMNW));
        remote.write(&info, sizeof(info));
        SendMessageW(listControl, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(remote.address()));
        remote.read(&info, sizeof(info));
        wchar_t text[kChars] = {};
        remote.read(text, sizeof(text), sizeof(LVCOLUMNW));
        result.push_back({text, info.cx});
    }
    return result;
}

void ProgramUnderTest::clickCheckBox(int row) const {
    const HWND listControl = list();
    const int position = positionOf(row);
    SendMessageW(listControl, LVM_ENSUREVISIBLE, position, FALSE);
    RemoteBuffer remote(process_, sizeof(RECT));
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    remote.write(&bounds, sizeof(bounds));
    SendMessageW(listControl, LVM_GETITEMRECT, position, reinterpret_cast<LPARAM>(remote.address()));
    remote.read(&bounds, sizeof(bounds));
    const LPARAM at = MAKELPARAM(bounds.left + 8, (bounds.top + bounds.bottom) / 2);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(listControl, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_NORMAL, 30000, &result);
    SendMessageTimeoutW(listControl, WM_LBUTTONUP, 0, at, SMTO_NORMAL, 30000, &result);
}

int ProgramUnderTest::focusedRow() const {
    const auto position = static_cast<int>(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    return position < 0 ? -1 : rowAt(position);
}

std::vector<int> ProgramUnderTest::selectedRows() const {
    const auto seeded = rows();
    std::vector<int> selected;
    for (std::size_t row = 0; row < seeded.size(); ++row) {
        if (SendMessageW(list(), LVM_GETITEMSTATE, seeded[row].index, LVIS_SELECTED) != 0) {
            selected.push_back(static_cast<int>(row));
        }
    }
    return selected;
}

void ProgramUnderTest::setRowState(int row, UINT state, UINT mask) const {
    const int position = positionOf(row);
    RemoteBuffer remote(process_, sizeof(LVITEMW));
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    remote.write(&item, sizeof(item));
    DWORD_PTR result = 0;
    SendMessageTimeoutW(list(), LVM_SETITEMSTATE, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(remote.address()),
                        SMTO_NORMAL, 30000, &result);
}

// Posted through the program's message loop, as keys arrive, in quick succession: the list gathers
// fast letters into one search. Wait for what they do.
void ProgramUnderTest::typeInList(const std::wstring& letters) const {
    for (const wchar_t letter : letters) PostMessageW(list(), WM_CHAR, letter, 1);
}

void ProgramUnderTest::pressKeyInList(WORD virtualKey) const {
    PostMessageW(list(), WM_KEYDOWN, virtualKey, 1);
    PostMessageW(list(), WM_KEYUP, virtualKey, 0xC0000001);
}

RECT ProgramUnderTest::rowLabelRect(int position) const {
    SendMessageW(list(), LVM_ENSUREVISIBLE, position, FALSE);
    RemoteBuffer remote(process_, sizeof(RECT));
    RECT label{LVIR_LABEL, 0, 0, 0};
    remote.write(&label, sizeof(label));
    SendMessageW(list(), LVM_GETITEMRECT, position, reinterpret_cast<LPARAM>(remote.address()));
    remote.read(&label, sizeof(label));
    return label;
}

RECT ProgramUnderTest::controlRect(HWND control) const {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, mainWindow(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> ProgramUnderTest::dialogs() const {
    std::vector<HWND> result;
    for (HWND window : TopLevelWindowsOf(processId_)) {
        if (ClassOf(window) == L"#32770") result.push_back(window);
    }
    return result;
}

HWND ProgramUnderTest::waitForDialog(std::chrono::milliseconds timeout) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const auto open = dialogs();
            found = open.empty() ? nullptr : open.front();
            return found != nullptr;
        },
        timeout);
    return found;
}

DialogContent ProgramUnderTest::read(HWND dialog) {
    DialogContent content;
    content.title = WindowText(dialog);
    for (HWND child : ChildrenOf(dialog)) {
        const std::wstring kind = ClassOf(child);
        if (!IsWindowVisible(child)) continue;
        if (_wcsicmp(kind.c_str(), L"Static") == 0) {
            const std::wstring text = WindowText(child);
            if (text.empty()) continue;  // the icon
            if (!content.text.empty()) content.text += L"\n";
            content.text += text;
        } else if (_wcsicmp(kind.c_str(), L"Button") == 0) {
            if (IsWindowVisible(child)) content.buttons.push_back(WindowText(child));
        } else if (_wcsicmp(kind.c_str(), L"Edit") == 0) {
            content.hasEdit = true;
        }
    }
    return content;
}

DialogContent ProgramUnderTest::closeStartUpReport() const {
    const HWND box = waitForDialog();
    if (box == nullptr) return {};
    const auto content = read(box);
    press(box, L"OK");
    WaitUntil([&] { return mainWindow() != nullptr && dialogs().empty() && !rows().empty(); }, 10s);
    return content;
}

void ProgramUnderTest::typeInto(HWND dialog, const std::wstring& text) {
    for (HWND child : ChildrenOf(dialog)) {
        if (_wcsicmp(ClassOf(child).c_str(), L"Edit") == 0) {
            SendMessageW(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
}

void ProgramUnderTest::press(HWND dialog, const std::wstring& buttonCaption) {
    for (HWND child : ChildrenOf(dialog)) {
        if (_wcsicmp(ClassOf(child).c_str(), L"Button") == 0 && WindowText(child) == buttonCaption) {
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                         reinterpret_cast<LPARAM>(child));
            return;
        }
    }
    throw std::runtime_error("no such button in the box");
}

void ProgramUnderTest::pressKey(HWND dialog, WORD virtualKey) {
    const HWND edit = GetDlgItem(dialog, win32::kInputBoxEditId);
    const HWND focus = edit != nullptr ? edit : dialog;
    PostMessageW(focus, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(focus, WM_KEYUP, virtualKey, 0xC0000001);
}

void ProgramUnderTest::close() const {
    PostMessageW(mainWindow(), WM_CLOSE, 0, 0);
}

bool ProgramUnderTest::waitForExit(std::chrono::milliseconds timeout) const {
    return WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

bool ProgramUnderTest::running() const {
    return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

namespace {

// The hook's callback knows nothing of its caller: the one recorder alive says where events go.
std::vector<WinEventsHeard::Event>* gHeard = nullptr;

}  // namespace

WinEventsHeard::WinEventsHeard(const ProgramUnderTest& program, DWORD event) {
    gHeard = &heard_;
    hook_ = SetWinEventHook(
        event, event, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
            if (object == OBJID_CLIENT && gHeard != nullptr) gHeard->push_back({window, child});
        },
        program.processId(), 0, WINEVENT_OUTOFCONTEXT);
    if (hook_ == nullptr) throw std::runtime_error("could not listen to the program's WinEvents");
}

WinEventsHeard::~WinEventsHeard() {
    UnhookWinEvent(hook_);
    gHeard = nullptr;
}

bool WinEventsHeard::waitFor(const std::function<bool(const std::vector<Event>&)>& condition,
                             std::chrono::milliseconds timeout) {
    return WaitUntil([&] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        return condition(heard_);
    }, timeout);
}

}  // namespace orv::e2e
